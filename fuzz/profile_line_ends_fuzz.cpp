// Fuzz target: any bytes as a profile file, read with each line-end
// convention (LF, CR LF, CR alone). The reader must see the same lines in
// each: the text it writes back is the same, and so is every value read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/profile.h"
#include "files/parms_check.h"

namespace {

std::string WithLineEnds(std::string_view lines, std::string_view end) {
  std::string out;
  for (char c : lines) c == '\n' ? out.append(end) : out.append(1, c);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The input's lines, without a CR anywhere.
  std::string lines;
  for (size_t i = 0; i < size; ++i)
    if (data[i] != '\r') lines.push_back(static_cast<char>(data[i]));
  const base::Profile lf(lines);
  const std::string text = lf.Text();
  files::ParmsValues lfValues;
  std::string lfReason;
  const bool lfRead = files::ReadParms(lf, lfValues, lfReason);
  for (const std::string_view end : {"\r\n", "\r"}) {
    const base::Profile other(WithLineEnds(lines, end));
    if (other.Text() != text) __builtin_trap();
    files::ParmsValues values;
    std::string reason;
    if (files::ReadParms(other, values, reason) != lfRead || reason != lfReason) __builtin_trap();
    if (lfRead && (values.wheelCount != lfValues.wheelCount || values.type != lfValues.type))
      __builtin_trap();
  }
  return 0;
}
