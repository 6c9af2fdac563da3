#pragma once
// The curve math of the six drawing routines as small pure functions: the
// single-wheel point, the outline step of the triangle and square, the wheel
// chain, and the rotation/scale/turn/offset that every step applies. The
// drawing routines call these with the main window's fields; benchmarks and
// tests call them directly. No Qt here.
#include <cmath>

namespace base {

// The program's pi and constants, used exactly as written.
constexpr double kPi = 3.14159265358979;
constexpr double kOutlineClamp = 0.9;
constexpr double kOutlineNormaliser = 1.11111111111111;

// Degrees as typed to radians, with the program's pi.
inline double DegreesToRadians(double degrees) { return degrees * (kPi / 180); }

// Constants of an outline: the side jump J, the inradius h, and cos(H) of
// the sector angle H, against which every step tests its angle (Triangle:
// H pi/3, J pi/1.5, h 0.5; Square: H pi/4, J pi/2, h 0.7071).
struct Outline {
  double jump;
  double inradius;
  double sectorEdge;
};
inline const Outline kTriangle{kPi / 1.5, 0.5, std::cos(kPi / 3)};
inline const Outline kSquare{kPi / 2, 0.7071, std::cos(kPi / 4)};

// Where a pass stands on its outline: the angle with its cosine. A step needs
// the cosine of the angle it starts from, which the step before computed for
// its sector test; keeping it, each angle's cosine is computed once.
struct OutlinePosition {
  double angle = 0;
  double cosAngle = 1;
  OutlinePosition() = default;
  explicit OutlinePosition(double a) : angle(a), cosAngle(std::cos(a)) {}
};

// One outline step: returns the radius factor for this step (from the angle
// before the advance, clamped at 0.9, times the normaliser) and advances the
// angle by `angleStep`, jumping by whole sides while it lies outside the
// sector of a side.
double OutlineStep(const Outline& o, OutlinePosition& pos, double angleStep);
inline double OutlineStep(const Outline& o, double& angle, double angleStep) {
  OutlinePosition pos(angle);
  const double factor = OutlineStep(o, pos, angleStep);
  angle = pos.angle;
  return factor;
}

// The circle routine's point in wheel units: A = R - r, K = (R - r) / -r,
// d = pen distance, t = curve parameter.
inline void SingleCirclePoint(double A, double K, double d, double t, double& x, double& y) {
  x = std::cos(K * t) * d + A * std::cos(t);
  y = std::sin(K * t) * d + A * std::sin(t);
}

// The outline routines' pen offset q: the pen distance d divided by the
// factor rho, negated. A step takes it before it yields, with d as it is then.
inline double OutlinePenOffset(double d, double rho) { return -d / rho; }

// The outline routines' point, with the pen offset q of this step.
inline void SingleOutlinePoint(double A, double K, double q, double t, double& x, double& y) {
  x = A * std::cos(t) - std::cos(K * t) * q;
  y = A * std::sin(t) - std::sin(K * t) * q;
}

// The rotation by RotStart (c1, s1), the scales (sx, sy), the Turn (c2, s2)
// and the centre offset of one pass.
struct PassTransform {
  double c1 = 1, s1 = 0, c2 = 1, s2 = 0, sx = 1, sy = 1;
};

// RotStart and Turn in radians -> the cosines and sines of their negatives.
PassTransform MakePassTransform(double rotStartRad, double turnRad, double sx, double sy);

// Rotation and scale of a wheel-unit point, times the outline factor rho
// (1 for the circle routines, where the multiplication is skipped).
inline void RotateScale(const PassTransform& p, double x, double y, double& scaledX,
                        double& scaledY) {
  scaledX = (x * p.c1 - y * p.s1) * p.sx;
  scaledY = (x * p.s1 + y * p.c1) * p.sy;
}
inline void RotateScaleOutline(const PassTransform& p, double x, double y, double rho,
                               double& scaledX, double& scaledY) {
  scaledX = ((x * p.c1 - y * p.s1) * p.sx) * rho;
  scaledY = ((x * p.s1 + y * p.c1) * p.sy) * rho;
}
// Turn and centre: canvas position of a scaled point (canvas y grows downwards,
// so offY moves the picture up).
inline void TurnOffset(const PassTransform& p, double scaledX, double scaledY, double offX,
                       double offY, double& x, double& y) {
  x = offX + (p.c2 * scaledX - p.s2 * scaledY);
  y = (p.c2 * scaledY + p.s2 * scaledX) - offY;
}

// The wheel chain: angle[k] = ratio[k] * t for k = 1..24, then the sum over
// k = 1..count of size[k] * (sin angle, cos angle). Arrays are indexed 1..24
// (index 0 unused); count is limited to 0..24.
void ComputeWheelAngles(const double* ratio, double t, double* angle);
void SumWheelChain(const double* size, const double* angle, int count, double& x, double& y);

// Twice the largest distance of the picture from its centre, in wheel units,
// as a 32-bit float: multi 2 * sum |size[1..count]|, single
// 2 * (|size1 - size2| + |size3|).
float PictureExtent(const double* size, int count, bool multi);

}  // namespace base
