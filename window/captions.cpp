#include "window/captions.h"

#include <string>
#include <utility>

#include "forms/controls.h"
#include "model/picture_settings.h"

namespace window {

int TakeShownWheel(int16_t& currentWheel, int16_t shownWheel) {
  currentWheel = shownWheel;
  return currentWheel;
}

void SetShownWheel(int16_t& shownWheel, forms::Label& caption, int n) {
  shownWheel = static_cast<int16_t>(n);
  caption.SetCaption("Wheel #" + std::to_string(n));
}

void SetWheelLimit(forms::CommandButton& button, model::PictureSettings& s, std::string text) {
  button.SetCaption(text);
  s.wheelLimit = std::move(text);
}

}  // namespace window
