#include "model/steps.h"

#include <cmath>
#include <string>

#include "base/closing_rotation.h"
#include "base/curve_math.h"
#include "base/numbers.h"

namespace model {

int WheelLimit(const PictureSettings& s) { return base::ToInt32(base::Val(s.wheelLimit, base::UserDecimalSeparator())); }

void ClearUnusedWheels(PictureSettings& s, int16_t& loopIndex) {
  const int limit = WheelLimit(s);
  for (loopIndex = base::kWheels; loopIndex > base::kFewestWheels; --loopIndex)
    if (limit < loopIndex) s.wheels.WheelSize[loopIndex] = 0;
}

void FitScale(PictureSettings& s, int16_t& loopIndex) {
  ClearUnusedWheels(s, loopIndex);
  s.PictureExtent = base::PictureExtent(s.wheels.WheelSize.data(), s.WheelCount, s.Multi != 0);
  if (!(s.PictureExtent > 0) || !std::isfinite(s.PictureExtent)) return;
  const float width = s.OneToOne != 0 ? s.ScreenPixelsY : s.ScreenPixelsX;
  const float x = width / s.PictureExtent, y = s.ScreenPixelsY / s.PictureExtent;
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  Field& fx = s[FieldId::XScale];
  Field& fy = s[FieldId::YScale];
  fx.Set(base::FormatSingle(x));
  fy.Set(base::FormatSingle(y));
  fy.SetNumber(base::RoundHalfEven(fy.Number(), 3));
  fx.SetNumber(base::RoundHalfEven(fx.Number(), 3));
}

void WriteClosingRotations(PictureSettings& s) {
  if (auto n = base::ClosingRotationCount(s.wheels.WheelSize[1], s.wheels.WheelSize[2]))
    s[FieldId::Rotations].Set(std::to_string(*n));
}

}  // namespace model
