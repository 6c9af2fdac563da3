#include "wheels/show_wheel.h"

#include <string>

#include "base/numbers.h"
#include "wheels/wheel_editor.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace wheels {

void ShowWheel(window::TrochelaMain& w, int n, std::span<const WheelWrite> order) {
  const bool isWheel = base::IsWheel(n);
  const auto& t = w.wheels;
  for (const WheelWrite step : order) {
    if (step == WheelWrite::Caption) {
      window::SetShownWheel(w.ShownWheelNumber, w.LblScrollWheel, n);
      continue;
    }
    if (!isWheel) return;
    switch (step) {
      case WheelWrite::Caption:
        break;
      case WheelWrite::SilenceBars:
        w.ScrollSetByCode = -1;
        break;
      case WheelWrite::TxtFixed:
        w.TxtFixed.SetNumber(t.WheelSize[n]);
        break;
      case WheelWrite::TxtRatio1:
        w.TxtRatio1.SetNumber(t.WheelRatio[n]);
        break;
      case WheelWrite::ChkF:
        w.ChkF.SetValue(t.RandomSizeFlag[n]);
        break;  // ChkF_Click
      case WheelWrite::ChkR1:
        w.ChkR1.SetValue(t.RandomRatioFlag[n]);
        break;
      case WheelWrite::ScrollOffset:
        w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[n]));  // ScrollOffset_Change
        break;
      case WheelWrite::ScrollRatio:
        w.ScrollRatio.SetValue(base::ToInt16(t.WheelRatio[n]));  // ScrollRatio_Change
        break;
      case WheelWrite::WidenRatio:
        WidenRatioBar(w.ScrollRatio, t.WheelRatio[n]);
        break;
    }
  }
}

model::EditorBars BarsOf(const window::TrochelaMain& w) {
  return {w.ScrollOffset.Value(), w.ScrollRatio.Value(), w.ScrollRatio.Min(),
          w.ScrollRatio.Max(), w.ScrollSize.Value(), w.ScrollSetByCode != 0};
}

void ShowBars(window::TrochelaMain& w, const model::EditorBars& bars, int n) {
  if (w.ScrollRatio.Max() != bars.ratioMax) w.ScrollRatio.SetMax(bars.ratioMax);
  if (w.ScrollRatio.Min() != bars.ratioMin) w.ScrollRatio.SetMin(bars.ratioMin);
  const auto move = [&w](forms::ScrollBar& bar, int value) {
    if (bar.Value() == value) return;
    w.ScrollSetByCode = -1;
    bar.SetValue(value);  // raises its Change, which only takes the silence back
  };
  move(w.ScrollOffset, bars.offset);
  move(w.ScrollRatio, bars.ratio);
  move(w.ScrollSize, bars.size);
  w.ScrollSetByCode = bars.setByCode ? -1 : 0;
  if (n < 1 || n > base::kWheels) return;
  w.TxtFixed.SetNumber(w.wheels.WheelSize[n]);
  w.TxtRatio1.SetNumber(w.wheels.WheelRatio[n]);
}

}  // namespace wheels
