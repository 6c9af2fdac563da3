#include "window/captions.h"

#include <string>
#include <utility>

#include "model/steps.h"
#include "window/trochela_main.h"

namespace window {

int ShownWheel(const TrochelaMain& w) { return w.ShownWheelNumber; }

void SetShownWheel(TrochelaMain& w, int n) {
  w.ShownWheelNumber = static_cast<int16_t>(n);
  w.LblScrollWheel.SetCaption("Wheel #" + std::to_string(n));
}

int WheelLimit(const TrochelaMain& w) { return model::WheelLimit(w.picture); }

void SetWheelLimit(TrochelaMain& w, std::string text) {
  w.CmdWheelLimit.SetCaption(text);
  w.picture.wheelLimit = std::move(text);
}

}  // namespace window
