#include "base/curve_math.h"

#include <algorithm>

#include "base/wheel_table.h"

namespace base {

namespace {
// More jumps than any outline has sides: rounding at a sector edge must not
// keep the angle jumping for ever.
constexpr int kMaxSideJumps = 64;
}  // namespace

double OutlineStep(const Outline& o, OutlinePosition& pos, double angleStep) {
  double factor = o.inradius / pos.cosAngle;
  double angle = pos.angle + angleStep;
  double c = std::cos(angle);
  for (int i = 0; i < kMaxSideJumps && o.sectorEdge > c; ++i) {
    angle = angle + o.jump;
    c = std::cos(angle);
  }
  pos.angle = angle;
  pos.cosAngle = c;
  if (factor > kOutlineClamp) factor = kOutlineClamp;
  factor = factor * kOutlineNormaliser;
  return factor;
}

PassTransform MakePassTransform(double rotStartRad, double turnRad, double sx, double sy) {
  PassTransform p;
  p.c1 = std::cos(-rotStartRad);
  p.s1 = std::sin(-rotStartRad);
  p.c2 = std::cos(-turnRad);
  p.s2 = std::sin(-turnRad);
  p.sx = sx;
  p.sy = sy;
  return p;
}

void ComputeWheelAngles(const double* ratio, double t, double* angle) {
  for (int k = 1; k <= kWheels; ++k) angle[k] = ratio[k] * t;
}

void SumWheelChain(const double* size, const double* angle, int count, double& x, double& y) {
  const int n = std::clamp(count, 0, kWheels);
  // y before x, each as cos/sin * size + sum: the additions in this order give
  // the program's exact points. The sums and the angle stay in locals, so that
  // the sine and cosine of one angle come from one call.
  double sumX = 0, sumY = 0;
  for (int k = 1; k <= n; ++k) {
    const double a = angle[k];
    sumY = std::cos(a) * size[k] + sumY;
    sumX = std::sin(a) * size[k] + sumX;
  }
  x = sumX;
  y = sumY;
}

float PictureExtent(const double* size, int count, bool multi) {
  double extent;
  if (multi) {
    const int n = std::clamp(count, 0, kWheels);
    double sum = 0;
    for (int k = 1; k <= n; ++k) sum = sum + std::fabs(size[k]);
    extent = 2 * sum;
  } else {
    extent = 2 * (std::fabs(size[1] - size[2]) + std::fabs(size[3]));
  }
  return static_cast<float>(extent);
}

}  // namespace base
