#include "window/captions.h"

#include <string>
#include <utility>

#include "window/trochela_main.h"

namespace window {

int TakeShownWheel(TrochelaMain& w) {
  w.CurrentWheel = w.ShownWheelNumber;
  return w.CurrentWheel;
}

void SetShownWheel(TrochelaMain& w, int n) {
  w.ShownWheelNumber = static_cast<int16_t>(n);
  w.LblScrollWheel.SetCaption("Wheel #" + std::to_string(n));
}

void SetWheelLimit(TrochelaMain& w, std::string text) {
  w.CmdWheelLimit.SetCaption(text);
  w.picture.wheelLimit = std::move(text);
}

}  // namespace window
