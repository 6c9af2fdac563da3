#include "wheels/wheel_mode.h"

#include <optional>

#include "base/numbers.h"
#include "engine/scale_fit.h"
#include "wheels/wheel_editor.h"
#include "window/captions.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace wheels {

void ChkMulti_Click(window::TrochelaMain& w) {
  auto& size = w.wheels.WheelSize;
  auto& ratio = w.wheels.WheelRatio;
  if (w.ChkMulti.Value() != 0) {
    w.CmdWheelLimit.SetCaption(w.SavedWheelCount);
    if (auto r = base::ParseNumber(w.TxtRotations.Text()); r && *r > 7) w.TxtRotations.SetText("7");
    window::ShowMultiControls(w);
    if (w.ChkScale.Value() != 0) engine::FitScale(w);
    w.TxtFixed.SetFocus();
    const int n = window::ShownWheel(w);
    w.CurrentWheel = static_cast<int16_t>(n);
    if (n < 1 || n > base::kWheels) return;
    w.TxtFixed.SetNumber(size[n]);
    w.TxtRatio1.SetNumber(ratio[n]);
    w.ScrollOffset.SetValue(base::ToInt16(size[n]));
    w.ScrollRatio.SetValue(base::ToInt16(ratio[n]));
  } else {
    w.LblScrollWheel.SetCaption("Wheel #1");
    w.SavedWheelCount = w.CmdWheelLimit.Caption();
    w.CmdWheelLimit.SetCaption("3");
    w.TxtFixed.SetNumber(size[1]);
    w.TxtRatio1.SetNumber(ratio[1]);
    w.ScrollOffset.SetValue(base::ToInt16(size[1]));
    w.ScrollRatio.SetValue(base::ToInt16(ratio[1]));
    w.ChkF.SetValue(w.wheels.RandomSizeFlag[1]);
    w.ChkR1.SetValue(w.wheels.RandomRatioFlag[1]);
    window::HideMultiControls(w);
  }
}

void CmdWheelLimit_MouseDown(window::TrochelaMain& w, int button) {
  auto& t = w.wheels;
  window::HideMultiControls(w);
  w.ScrollSetByCode = -1;
  const int count = window::WheelLimit(w);
  auto setCount = [&](int k) {
    w.CmdWheelLimit.SetCaption(std::to_string(k));
    w.WheelCount = static_cast<int16_t>(k);
  };
  if (button == 1 && count >= 3 && count <= 24) {
    setCount(count == 24 ? 3 : count + 1);
    if (window::WheelLimit(w) < window::ShownWheel(w)) {
      w.LblScrollWheel.SetCaption("Wheel #1");
      w.ChkF.SetValue(t.RandomSizeFlag[1]);
      w.ChkR1.SetValue(t.RandomRatioFlag[1]);
      w.ScrollRatio.SetValue(base::ToInt16(t.WheelRatio[1]));
      w.TxtRatio1.SetNumber(t.WheelRatio[1]);
      w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[1]));
      w.TxtFixed.SetNumber(t.WheelSize[1]);
    }
  } else if (button == 2 && count >= 3 && count <= 24) {
    setCount(count == 3 ? 24 : count - 1);
    const int n = window::WheelLimit(w);
    if (n < window::ShownWheel(w)) {
      w.LblScrollWheel.SetCaption("Wheel #" + std::to_string(n));
      w.ChkF.SetValue(t.RandomSizeFlag[n]);
      w.ChkR1.SetValue(t.RandomRatioFlag[n]);
      w.TxtRatio1.SetNumber(t.WheelRatio[n]);
      w.TxtFixed.SetNumber(t.WheelSize[n]);
      w.ScrollRatio.SetValue(base::ToInt16(t.WheelRatio[n]));
      w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[n]));
    }
  }
  window::ShowMultiControls(w);
  engine::FitScale(w);
}

}  // namespace wheels
