#include "model/steps.h"

#include <cmath>
#include <string>

#include "base/closing_rotation.h"
#include "base/curve_math.h"
#include "base/numbers.h"

namespace model {

int WheelLimit(const Settings& s) { return base::ToInt32(base::Val(s.wheelLimit)); }

void ClearUnusedWheels(Settings& s, int16_t& loopIndex) {
  const int limit = WheelLimit(s);
  for (loopIndex = base::kWheels; loopIndex > base::kFewestWheels; --loopIndex)
    if (limit < loopIndex) s.wheels.WheelSize[loopIndex] = 0;
}

void FitScale(Settings& s, int16_t& loopIndex) {
  ClearUnusedWheels(s, loopIndex);
  s.pictureExtent = base::PictureExtent(s.wheels.WheelSize.data(), s.wheelCount, s.multi != 0);
  if (!(s.pictureExtent > 0) || !std::isfinite(s.pictureExtent)) return;
  const float width = s.oneToOne != 0 ? s.screenY : s.screenX;
  const float x = width / s.pictureExtent, y = s.screenY / s.pictureExtent;
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  Field& fx = s[FieldId::X];
  Field& fy = s[FieldId::Y];
  fx.Set(base::FormatSingle(x));
  fy.Set(base::FormatSingle(y));
  fy.SetNumber(base::RoundHalfEven(fy.Number(), 3));
  fx.SetNumber(base::RoundHalfEven(fx.Number(), 3));
}

void WriteClosingRotations(Settings& s) {
  if (auto n = base::ClosingRotationCount(s.wheels.WheelSize[1], s.wheels.WheelSize[2]))
    s[FieldId::Rotations].Set(std::to_string(*n));
}

}  // namespace model
