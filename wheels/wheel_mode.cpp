#include "wheels/wheel_mode.h"

#include <optional>

#include "base/input_codes.h"
#include "base/numbers.h"
#include "engine/scale_fit.h"
#include "wheels/show_wheel.h"
#include "wheels/wheel_editor.h"
#include "model/picture_settings.h"
#include "window/captions.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace wheels {

void ChkMulti_Click(window::TrochelaMain& w) {
  if (w.ChkMulti.Value() != 0) {
    window::SetWheelLimit(w.CmdWheelLimit, w.picture, w.SavedWheelCount);
    if (auto r = base::ParseNumber(w.TxtRotations.Text(), base::UserDecimalSeparator()); r && *r > model::kMultiRotations)
      w.TxtRotations.SetNumber(model::kMultiRotations);
    window::ShowMultiControls(w, true);
    if (w.ChkScale.Value() != 0) engine::FitScale(w);
    w.TxtFixed.SetFocus();
    const int n = window::TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
    ShowWheel(w, n, kShowOnMultiOn);
  } else {
    w.SavedWheelCount = w.picture.wheelLimit;
    window::SetWheelLimit(w.CmdWheelLimit, w.picture, model::kStartWheelCount);
    ShowWheel(w, 1, kShowOnMultiOff);
    window::ShowMultiControls(w, false);
  }
}

void CmdWheelLimit_MouseDown(window::TrochelaMain& w, int button) {
  window::ShowMultiControls(w, false);
  w.ScrollSetByCode = -1;
  const int count = model::WheelLimit(w.picture);
  auto setCount = [&](int k) {
    window::SetWheelLimit(w.CmdWheelLimit, w.picture, std::to_string(k));
    w.WheelCount = static_cast<int16_t>(k);
  };
  const bool counted = count >= base::kFewestWheels && count <= base::kWheels;
  if (button == base::kLeftButton && counted) {
    setCount(count == base::kWheels ? base::kFewestWheels : count + 1);
    if (model::WheelLimit(w.picture) < w.ShownWheelNumber) ShowWheel(w, 1, kShowOnCountReset);
  } else if (button == base::kRightButton && counted) {
    setCount(count == base::kFewestWheels ? base::kWheels : count - 1);
    const int n = model::WheelLimit(w.picture);
    if (n < w.ShownWheelNumber) ShowWheel(w, n, kShowOnCountLowered);
  }
  window::ShowMultiControls(w, true);
  engine::FitScale(w);
}

void CmdWheelLimit_KeyDown(window::TrochelaMain& w, int& keyCode) {
  const bool up = keyCode == base::kKeyUp || keyCode == base::kKeySpace || keyCode == base::kKeyReturn;
  if (!up && keyCode != base::kKeyDown) return;
  const int button = up ? base::kLeftButton : base::kRightButton;
  keyCode = 0;
  CmdWheelLimit_MouseDown(w, button);
  w.CmdWheelLimit.SetFocus();
}

}  // namespace wheels
