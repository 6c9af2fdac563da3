#include <cstdint>
#include <string>

#include "automation/script_runner.h"
#include "base/raster.h"

namespace automation {

std::string CanvasDifference(const base::Image& shown, const base::Image& expected) {
  if (shown.width != expected.width || shown.height != expected.height)
    return "canvas is " + std::to_string(shown.width) + "x" + std::to_string(shown.height) +
           ", picture " + std::to_string(expected.width) + "x" + std::to_string(expected.height);
  long differing = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      // A picture read from a file may carry another alpha: colours only.
      if (shown.Get(x, y) == expected.Get(x, y)) continue;
      if (differing++ == 0) {
        firstX = x;
        firstY = y;
      }
    }
  }
  if (differing == 0) return "";
  return std::to_string(differing) + " pixels differ, the first at (" + std::to_string(firstX) +
         ", " + std::to_string(firstY) + "): " + std::to_string(shown.Get(firstX, firstY)) +
         " instead of " + std::to_string(expected.Get(firstX, firstY));
}

}  // namespace automation
