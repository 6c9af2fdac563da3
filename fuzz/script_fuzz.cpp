// Any text given to the script reader: it accepts the script or refuses it
// naming a line, and never crashes, reads out of bounds or converts a number
// it cannot hold. A script it accepts has only lines the runner can run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "automation/script_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<automation::ScriptLine> lines;
  std::string error;
  if (!automation::ParseScript(text, lines, error)) {
    if (error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  int previous = 0;
  for (const automation::ScriptLine& line : lines) {
    if (line.words.empty() || line.words[0][0] == '#' || line.number <= previous) std::abort();
    if (!line.verb || line.values.size() != line.words.size()) std::abort();
    previous = line.number;
  }
  return 0;
}
