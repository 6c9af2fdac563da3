#include "engine/scale_fit.h"

#include <cmath>

#include "base/curve_math.h"
#include "base/numbers.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace engine {

void ClearUnusedWheels(window::TrochelaMain& w) {
  // The caption is read again for every wheel, as the loop counter is the
  // window's shared LoopIndex.
  for (w.draw.LoopIndex = base::kWheels; w.draw.LoopIndex >= 4; --w.draw.LoopIndex)
    if (window::WheelLimit(w) < w.draw.LoopIndex) w.wheels.WheelSize[w.draw.LoopIndex] = 0;
}

void FitScale(window::TrochelaMain& w) {
  ClearUnusedWheels(w);
  w.PictureExtent =
      base::PictureExtent(w.wheels.WheelSize.data(), w.WheelCount, w.ChkMulti.Value() != 0);
  // A picture without extent has no scale to fit; the scales stay.
  if (!(w.PictureExtent > 0) || !std::isfinite(w.PictureExtent)) return;
  const float width = w.ChkAspect.Value() != 0 ? w.ScreenPixelsY : w.ScreenPixelsX;
  // So does one so small that the scales would overflow.
  const float x = width / w.PictureExtent, y = w.ScreenPixelsY / w.PictureExtent;
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  w.TxtX.SetText(base::FormatSingle(x));
  w.TxtY.SetText(base::FormatSingle(y));
  w.TxtY.SetNumber(base::RoundHalfEven(w.TxtY.Number(), 3));
  w.TxtX.SetNumber(base::RoundHalfEven(w.TxtX.Number(), 3));
}

}  // namespace engine
