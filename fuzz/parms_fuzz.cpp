// Fuzz target: any bytes as a parameter file. The profile reader and the
// parameter checker must neither crash nor read out of bounds, and a key
// written into any file must read back as written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/profile.h"
#include "files/parms_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  base::Profile file(text);
  files::ParmsValues values;
  std::string reason;
  if (files::ReadParms(file, values, reason)) {
    if (values.wheelCount < 3 || values.wheelCount > 24) __builtin_trap();
  } else if (reason.empty()) {
    __builtin_trap();
  }
  // A save over this file, then a load of what it wrote.
  file.Set(files::kParmsSection, "Fixed", " 12.5");
  file.Set(files::kParmsSection, "TxtRatio24", "-7");
  const base::Profile again(file.Text());
  if (again.Get(files::kParmsSection, "fixed", "", files::kParmsValueChars) != "12.5") __builtin_trap();
  if (again.Get(files::kParmsSection, "TXTRATIO24", "", files::kParmsValueChars) != "-7")
    __builtin_trap();
  return 0;
}
