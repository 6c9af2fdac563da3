#include "wheels/wheel_editor.h"

#include <cmath>
#include <string>

#include "base/closing_rotation.h"
#include "base/numbers.h"
#include "engine/draw_driver.h"
#include "engine/scale_fit.h"
#include "wheels/show_wheel.h"
#include "model/picture_settings.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace wheels {
namespace {

bool SingleWheelMode(const window::TrochelaMain& w) { return w.ChkMulti.Value() == 0; }

using base::IsWheel;
using window::TakeShownWheel;

void ShowWheelFromButtons(window::TrochelaMain& w, int n) {
  ShowWheel(w, n, kShowFromWheelButtons);
  if (IsWheel(n)) w.TxtFixed.SetFocus();
}

// In multi-wheel mode a click on a wheel bar makes sure at least a little
// more than one revolution is drawn.
void RaiseRotationsToSeven(window::TrochelaMain& w) {
  if (auto r = base::ParseNumber(w.TxtRotations.Text(), base::UserDecimalSeparator()); r && *r < model::kMultiRotations)
    w.TxtRotations.SetNumber(model::kMultiRotations);
}

// A thumb being dragged: the bar's value goes into its field, a leave handler
// stores it, and the whole picture is drawn again before the handler returns.
// The flag stays set, so the Change at the release does no work.
void RedrawFromDrag(window::TrochelaMain& w, forms::TextBox& field, int value,
                    void (*leave)(window::TrochelaMain&)) {
  w.DrawFromScroll = -1;
  w.ScrollSetByCode = -1;
  field.SetText(std::to_string(value));
  leave(w);
  engine::CmdDraw_Click(w);
}

}  // namespace

void WriteClosingRotations(window::TrochelaMain& w) {
  if (auto n = base::ClosingRotationCount(w.wheels.WheelSize[1], w.wheels.WheelSize[2]))
    w.TxtRotations.SetText(std::to_string(*n));
}

void CmdRightScrollWheel_Click(window::TrochelaMain& w) {
  int n = TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber) + 1;
  if (n == model::WheelLimit(w.picture) + 1) n = 1;
  ShowWheelFromButtons(w, n);
}

void CmdLeftScrollWheel_Click(window::TrochelaMain& w) {
  int n = TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber) - 1;
  if (n == 0) n = model::WheelLimit(w.picture);
  ShowWheelFromButtons(w, n);
}

void TxtFixed_LostFocus(window::TrochelaMain& w) {
  w.ScrollSetByCode = -1;
  model::Field size(w.TxtFixed.Text());
  model::RepairWheelSize(size, !SingleWheelMode(w));
  w.TxtFixed.SetText(size.Text());
  const int n = TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
  if (IsWheel(n)) w.wheels.WheelSize[n] = w.TxtFixed.Number();
  if (!w.DrawFromScroll)
    w.ScrollOffset.SetValue(base::ToInt16(w.TxtFixed.Number()));  // raises ScrollOffset_Change
  if (SingleWheelMode(w)) WriteClosingRotations(w);
  if (w.ChkScale.Value() != 0) engine::FitScale(w);
}

void WidenRatioBar(forms::ScrollBar& bar, double ratio) {
  if (!(std::fabs(ratio) > bar.Max())) return;
  const int16_t end = base::ToInt16(std::fabs(ratio));
  bar.SetMax(end);
  bar.SetMin(-end);
}

void TxtRatio1_LostFocus(window::TrochelaMain& w) {
  w.ScrollSetByCode = -1;
  if (!model::Field::IsNumber(w.TxtRatio1.Text())) w.TxtRatio1.SetText("1");
  const int n = TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
  const double ratio = w.TxtRatio1.Number();
  if (IsWheel(n)) w.wheels.WheelRatio[n] = ratio;
  WidenRatioBar(w.ScrollRatio, ratio);
  if (!w.DrawFromScroll) w.ScrollRatio.SetValue(base::ToInt16(ratio));  // raises ScrollRatio_Change
}

void ScrollOffset_Change(window::TrochelaMain& w) {
  if (!w.ScrollSetByCode) {
    const int n = TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
    w.TxtFixed.SetText(std::to_string(w.ScrollOffset.Value()));
    if (IsWheel(n)) w.wheels.WheelSize[n] = w.ScrollOffset.Value();
    if (SingleWheelMode(w) && !w.DrawingInProgress) {
      if (n >= 1 && n <= 3 && w.wheels.WheelSize[n] == 0) {
        w.wheels.WheelSize[n] = 1;
        w.ScrollOffset.SetValue(1);  // runs this handler again, nested
      }
      WriteClosingRotations(w);
    }
    if (!SingleWheelMode(w) && !w.DrawingInProgress) RaiseRotationsToSeven(w);
    if (w.ChkScale.Value() != 0) engine::FitScale(w);
  }
  w.ScrollSetByCode = 0;
}

void ScrollRatio_Change(window::TrochelaMain& w) {
  if (!w.ScrollSetByCode) {
    const int n = TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
    w.TxtRatio1.SetText(std::to_string(w.ScrollRatio.Value()));
    if (IsWheel(n)) w.wheels.WheelRatio[n] = w.ScrollRatio.Value();
    if (SingleWheelMode(w) && !w.DrawingInProgress) WriteClosingRotations(w);
    if (!SingleWheelMode(w) && !w.DrawingInProgress) RaiseRotationsToSeven(w);
    if (w.ChkScale.Value() != 0) engine::FitScale(w);
  }
  w.ScrollSetByCode = 0;
}

void ScrollSize_Change(window::TrochelaMain& w) {
  if (!w.ScrollSetByCode) w.TxtPctScale.SetText(std::to_string(w.ScrollSize.Value()));
  w.ScrollSetByCode = 0;
}

void ScrollOffset_Scroll(window::TrochelaMain& w) {
  RedrawFromDrag(w, w.TxtFixed, w.ScrollOffset.Value(), TxtFixed_LostFocus);
}

void ScrollRatio_Scroll(window::TrochelaMain& w) {
  RedrawFromDrag(w, w.TxtRatio1, w.ScrollRatio.Value(), TxtRatio1_LostFocus);
}

// The size bar runs the wheel field's leave handler too, for the rotation
// count and the scale fitting it brings.
void ScrollSize_Scroll(window::TrochelaMain& w) {
  RedrawFromDrag(w, w.TxtPctScale, w.ScrollSize.Value(), TxtFixed_LostFocus);
}

}  // namespace wheels
