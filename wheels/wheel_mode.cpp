#include "wheels/wheel_mode.h"

#include <initializer_list>
#include <optional>

#include "app/main_window.h"
#include "engine/scale_fit.h"
#include "forms/numbers.h"
#include "wheels/wheel_editor.h"

namespace wheels {
namespace {

void SetMultiControlsVisible(app::TrochelaMain& w, bool v) {
  const std::initializer_list<forms::Control*> controls = {
      &w.LblSymmetry, &w.CmdSymmetry, &w.TxtNFactor,     &w.TxtNStart,     &w.ChkRatioAll, &w.LblWheels,
      &w.ScrollRatio, &w.LblRatioScroll, &w.LblRatios, &w.CmdWheelLimit, &w.TxtRatio1};
  for (forms::Control* c : controls)
    c->SetVisible(v);
  if (v) {
    w.ChkR1.SetVisible(true);
    w.ChkEven.SetVisible(true);
  } else {
    w.ChkEven.SetVisible(false);
    w.ChkR1.SetVisible(false);
  }
}


}  // namespace

void ShowMultiControls(app::TrochelaMain& w) { SetMultiControlsVisible(w, true); }
void HideMultiControls(app::TrochelaMain& w) { SetMultiControlsVisible(w, false); }

void ChkMulti_Click(app::TrochelaMain& w) {
  auto& size = w.wheels.WheelSize;
  auto& ratio = w.wheels.WheelRatio;
  if (w.ChkMulti.Value() != 0) {
    w.CmdWheelLimit.SetCaption(w.SavedWheelCount);
    if (auto r = num::ParseNumber(w.TxtRotations.Text()); r && *r > 7) w.TxtRotations.SetText("7");
    ShowMultiControls(w);
    if (w.ChkScale.Value() != 0) engine::FitScale(w);
    w.TxtFixed.SetFocus();
    const int n = CurrentWheelFromCaption(w);
    w.CurrentWheel = static_cast<int16_t>(n);
    if (n < 1 || n > engine::kWheels) return;
    w.TxtFixed.SetNumber(size[n]);
    w.TxtRatio1.SetNumber(ratio[n]);
    w.ScrollOffset.SetValue(num::ToInt16(size[n]));
    w.ScrollRatio.SetValue(num::ToInt16(ratio[n]));
  } else {
    w.LblScrollWheel.SetCaption("Wheel #1");
    w.SavedWheelCount = w.CmdWheelLimit.Caption();
    w.CmdWheelLimit.SetCaption("3");
    w.TxtFixed.SetNumber(size[1]);
    w.TxtRatio1.SetNumber(ratio[1]);
    w.ScrollOffset.SetValue(num::ToInt16(size[1]));
    w.ScrollRatio.SetValue(num::ToInt16(ratio[1]));
    w.ChkF.SetValue(w.wheels.RandomSizeFlag[1]);
    w.ChkR1.SetValue(w.wheels.RandomRatioFlag[1]);
    HideMultiControls(w);
  }
}

void CmdWheelLimit_MouseDown(app::TrochelaMain& w, int button) {
  auto& t = w.wheels;
  HideMultiControls(w);
  w.ScrollSetByCode = -1;
  const int count = engine::WheelLimit(w);
  auto setCount = [&](int k) {
    w.CmdWheelLimit.SetCaption(std::to_string(k));
    w.WheelCount = static_cast<int16_t>(k);
  };
  if (button == 1 && count >= 3 && count <= 24) {
    setCount(count == 24 ? 3 : count + 1);
    if (engine::WheelLimit(w) < CurrentWheelFromCaption(w)) {
      w.LblScrollWheel.SetCaption("Wheel #1");
      w.ChkF.SetValue(t.RandomSizeFlag[1]);
      w.ChkR1.SetValue(t.RandomRatioFlag[1]);
      w.ScrollRatio.SetValue(num::ToInt16(t.WheelRatio[1]));
      w.TxtRatio1.SetNumber(t.WheelRatio[1]);
      w.ScrollOffset.SetValue(num::ToInt16(t.WheelSize[1]));
      w.TxtFixed.SetNumber(t.WheelSize[1]);
    }
  } else if (button == 2 && count >= 3 && count <= 24) {
    setCount(count == 3 ? 24 : count - 1);
    const int n = engine::WheelLimit(w);
    if (n < CurrentWheelFromCaption(w)) {
      w.LblScrollWheel.SetCaption("Wheel #" + std::to_string(n));
      w.ChkF.SetValue(t.RandomSizeFlag[n]);
      w.ChkR1.SetValue(t.RandomRatioFlag[n]);
      w.TxtRatio1.SetNumber(t.WheelRatio[n]);
      w.TxtFixed.SetNumber(t.WheelSize[n]);
      w.ScrollRatio.SetValue(num::ToInt16(t.WheelRatio[n]));
      w.ScrollOffset.SetValue(num::ToInt16(t.WheelSize[n]));
    }
  }
  ShowMultiControls(w);
  engine::FitScale(w);
}

}  // namespace wheels
