#include "wheels/show_wheel.h"

#include <string>

#include "base/numbers.h"
#include "wheels/wheel_editor.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace wheels {

void ShowWheel(window::TrochelaMain& w, int n, std::span<const WheelWrite> order) {
  const bool isWheel = n >= 1 && n <= base::kWheels;
  const auto& t = w.wheels;
  for (const WheelWrite step : order) {
    if (step == WheelWrite::Caption) {
      window::SetShownWheel(w, n);
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
        WidenRatioBar(w, t.WheelRatio[n]);
        break;
    }
  }
}

}  // namespace wheels
