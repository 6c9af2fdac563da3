#include "engine/scale_fit.h"

#include <cmath>

#include "app/main_window.h"
#include "engine/curve_math.h"
#include "forms/numbers.h"

namespace engine {

int WheelLimit(const app::TrochelaMain& w) {
  return num::ToInt32(num::Val(w.CmdWheelLimit.Caption()));
}

void ClearUnusedWheels(app::TrochelaMain& w) {
  // The caption is read again for every wheel, as the loop counter is the
  // window's shared LoopIndex.
  for (w.draw.LoopIndex = kWheels; w.draw.LoopIndex >= 4; --w.draw.LoopIndex)
    if (WheelLimit(w) < w.draw.LoopIndex) w.wheels.WheelSize[w.draw.LoopIndex] = 0;
}

void FitScale(app::TrochelaMain& w) {
  ClearUnusedWheels(w);
  w.PictureExtent = curve::PictureExtent(w.wheels.WheelSize.data(), w.WheelCount,
                                         w.ChkMulti.Value() != 0);
  // A picture without extent has no scale to fit; the scales stay.
  if (!(w.PictureExtent > 0) || !std::isfinite(w.PictureExtent)) return;
  const float width = w.ChkAspect.Value() != 0 ? w.ScreenPixelsY : w.ScreenPixelsX;
  w.TxtX.SetText(num::FormatSingle(width / w.PictureExtent));
  w.TxtY.SetText(num::FormatSingle(w.ScreenPixelsY / w.PictureExtent));
  w.TxtY.SetNumber(num::RoundHalfEven(w.TxtY.Number(), 3));
  w.TxtX.SetNumber(num::RoundHalfEven(w.TxtX.Number(), 3));
}

}  // namespace engine
