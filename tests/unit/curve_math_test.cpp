#include "engine/curve_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "forms/numbers.h"

namespace {

using curve::kPi;

// The start values: R = 240, r = 5, d = 195, Resolution 1440, scales 6.
constexpr double kR = 240, kSmallR = 5, kPen = 195, kScale = 6;
const double kA = kR - kSmallR;
const double kK = (kR - kSmallR) / -kSmallR;
const double kStep = kPi / (1440.0 / 2);

// A wheel-unit point through rotation, scale, turn and offset to the canvas.
void ToCanvas(const curve::PassTransform& p, double x, double y, double& cx, double& cy,
              double offX = 0, double offY = 0) {
  double sx, sy;
  curve::RotateScale(p, x, y, sx, sy);
  curve::TurnOffset(p, sx, sy, offX, offY, cx, cy);
}

// ---------------------------------------------------------------------------
// Single wheel

TEST(SingleWheel, StartValuesGiveTheKnownFirstTwoPoints) {
  EXPECT_EQ(kA, 235);
  EXPECT_EQ(kK, -47);
  const curve::PassTransform p = curve::MakePassTransform(0, 0, kScale, kScale);
  double x, y, cx, cy;
  curve::SingleCirclePoint(kA, kK, kPen, 0, x, y);
  EXPECT_EQ(x, 430);
  EXPECT_EQ(y, 0);
  ToCanvas(p, x, y, cx, cy);
  EXPECT_EQ(cx, 2580);
  EXPECT_EQ(cy, 0);

  curve::SingleCirclePoint(kA, kK, kPen, 0 + kStep, x, y);
  EXPECT_NEAR(x, 425.9116, 5e-5);
  EXPECT_NEAR(y, -38.6848, 5e-5);
  ToCanvas(p, x, y, cx, cy);
  EXPECT_NEAR(cx, 2555.4698, 5e-5);
  EXPECT_NEAR(cy, -232.1086, 5e-5);
}

TEST(PassTransform, RotStartNinetySendsTheFirstPointStraightUp) {
  const curve::PassTransform p = curve::MakePassTransform(90, 0, kScale, kScale);
  double cx, cy;
  ToCanvas(p, 430, 0, cx, cy);
  EXPECT_NEAR(cx, 0, 1e-9);
  EXPECT_NEAR(cy, -2580, 1e-9);
}

TEST(PassTransform, PositiveAnglesTurnCounterClockwiseOnTheScreen) {
  // Canvas y grows downwards: (1, 0) goes to (cos a, -sin a).
  for (double deg : {30.0, 90.0, 135.0, -60.0}) {
    const double a = deg * (kPi / 180);
    double cx, cy;
    ToCanvas(curve::MakePassTransform(deg, 0, 1, 1), 1, 0, cx, cy);
    EXPECT_NEAR(cx, std::cos(a), 1e-12) << deg;
    EXPECT_NEAR(cy, -std::sin(a), 1e-12) << deg;
    ToCanvas(curve::MakePassTransform(0, deg, 1, 1), 1, 0, cx, cy);
    EXPECT_NEAR(cx, std::cos(a), 1e-12) << deg;
    EXPECT_NEAR(cy, -std::sin(a), 1e-12) << deg;
  }
}

TEST(PassTransform, RotStartActsBeforeTheScalesAndTurnAfterThem) {
  // X stretched twice: a quarter RotStart turns the point inside the stretch,
  // a quarter Turn turns the stretched picture.
  double cx, cy;
  ToCanvas(curve::MakePassTransform(90, 0, 2, 1), 1, 0, cx, cy);
  EXPECT_NEAR(cx, 0, 1e-12);
  EXPECT_NEAR(cy, -1, 1e-12);
  ToCanvas(curve::MakePassTransform(0, 90, 2, 1), 1, 0, cx, cy);
  EXPECT_NEAR(cx, 0, 1e-12);
  EXPECT_NEAR(cy, -2, 1e-12);
}

TEST(PassTransform, OffsetsMoveRightAndUp) {
  const curve::PassTransform p = curve::MakePassTransform(0, 0, kScale, kScale);
  double cx, cy;
  ToCanvas(p, 430, 0, cx, cy, 100, 0);
  EXPECT_EQ(cx, 2680);
  EXPECT_EQ(cy, 0);
  ToCanvas(p, 430, 0, cx, cy, 0, 100);
  EXPECT_EQ(cx, 2580);
  EXPECT_EQ(cy, -100);
}

// ---------------------------------------------------------------------------
// Outlines

TEST(Outline, FirstStepOfTheTriangleIsTheMiddleOfASide) {
  double angle = 0;
  const double rho = curve::OutlineStep(curve::kTriangle, angle, kStep);
  EXPECT_EQ(num::FormatNumber(rho), "0.555555555555555");
  EXPECT_EQ(angle, kStep);

  double x, y, cx, cy;
  curve::SingleOutlinePoint(kA, kK, kPen, rho, 0, x, y);
  EXPECT_NEAR(-kPen / rho, -351, 1e-9);
  EXPECT_NEAR(x, 586, 1e-9);
  EXPECT_EQ(y, 0);
  double sx, sy;
  const curve::PassTransform p = curve::MakePassTransform(0, 0, kScale, kScale);
  curve::RotateScaleOutline(p, x, y, rho, sx, sy);
  curve::TurnOffset(p, sx, sy, 0, 0, cx, cy);
  EXPECT_NEAR(cx, 1953.3333, 5e-5);
  EXPECT_EQ(cy, 0);
}

TEST(Outline, FirstStepOfTheSquare) {
  double angle = 0;
  const double rho = curve::OutlineStep(curve::kSquare, angle, kStep);
  EXPECT_EQ(num::FormatNumber(rho), "0.785666666666666");
  double x, y, sx, sy, cx, cy;
  curve::SingleOutlinePoint(kA, kK, kPen, rho, 0, x, y);
  EXPECT_NEAR(x, 483.1969, 5e-5);
  const curve::PassTransform p = curve::MakePassTransform(0, 0, kScale, kScale);
  curve::RotateScaleOutline(p, x, y, rho, sx, sy);
  curve::TurnOffset(p, sx, sy, 0, 0, cx, cy);
  EXPECT_NEAR(cx, 2277.79, 5e-3);
  EXPECT_EQ(cy, 0);
}

TEST(Outline, ACircleFactorOfOneGivesTheCirclePoint) {
  double ox, oy, cx, cy;
  for (double t : {0.0, 0.3, 2.0, 17.5}) {
    curve::SingleOutlinePoint(kA, kK, kPen, 1, t, ox, oy);
    curve::SingleCirclePoint(kA, kK, kPen, t, cx, cy);
    EXPECT_NEAR(ox, cx, 1e-12);
    EXPECT_NEAR(oy, cy, 1e-12);
  }
}

// Runs `steps` outline steps from angle 0 and records, for each step (index
// 1..steps), the factor and how many side jumps it made.
struct Walk {
  std::vector<double> factor{0};
  std::vector<int> jumps{0};
};
Walk WalkOutline(const curve::Outline& o, int steps) {
  Walk w;
  double angle = 0;
  for (int n = 1; n <= steps; ++n) {
    const double before = angle;
    w.factor.push_back(curve::OutlineStep(o, angle, kStep));
    w.jumps.push_back(static_cast<int>(std::lround((angle - before - kStep) / o.jump)));
  }
  return w;
}

TEST(Outline, TriangleAngleFirstJumpsPastSixtyDegreesByTwoSides) {
  const Walk w = WalkOutline(curve::kTriangle, 1440);
  int first = 0;
  for (int n = 1; n <= 1440 && !first; ++n)
    if (w.jumps[n]) first = n;
  EXPECT_EQ(first, 241);
  EXPECT_EQ(w.jumps[241], 2);  // to just past -60 degrees, the start of the next side
  // After that, a jump every third of a turn.
  int count = 0;
  for (int n = 1; n <= 1440; ++n) count += w.jumps[n] != 0;
  EXPECT_EQ(count, 3);
}

TEST(Outline, SquareAngleJumpsPastFortyFiveDegreesByThreeSides) {
  const Walk w = WalkOutline(curve::kSquare, 1440);
  int first = 0;
  for (int n = 1; n <= 1440 && !first; ++n)
    if (w.jumps[n]) first = n;
  EXPECT_NEAR(first, 181, 1);
  EXPECT_EQ(w.jumps[first], 3);
}

TEST(Outline, FactorRunsFromTheSideMiddleToTheClampedCorner) {
  for (const curve::Outline* o : {&curve::kTriangle, &curve::kSquare}) {
    const Walk w = WalkOutline(*o, 1440);
    const double clamped = curve::kOutlineClamp * curve::kOutlineNormaliser;
    EXPECT_EQ(num::FormatNumber(clamped), "0.999999999999999");
    double lo = 2, hi = 0;
    for (int n = 1; n <= 1440; ++n) {
      lo = std::min(lo, w.factor[n]);
      hi = std::max(hi, w.factor[n]);
    }
    EXPECT_EQ(lo, o->inradius * curve::kOutlineNormaliser);
    EXPECT_EQ(hi, clamped);
  }
}

TEST(Outline, TriangleCornersAreArcsOfAboutSevenAndAHalfDegrees) {
  // The clamp holds where the side's factor passes 0.9, |psi| beyond about
  // 56.25 degrees: about 3.75 degrees of psi on each side of a corner.
  const Walk w = WalkOutline(curve::kTriangle, 1440);
  const double clamped = curve::kOutlineClamp * curve::kOutlineNormaliser;
  std::vector<int> runs;
  int run = 0;
  for (int n = 1; n <= 1440; ++n) {
    if (w.factor[n] == clamped) {
      ++run;
    } else if (run) {
      runs.push_back(run);
      run = 0;
    }
  }
  ASSERT_EQ(runs.size(), 3u);
  for (int r : runs) EXPECT_NEAR(r * 0.25, 7.5, 0.5);
  // The first corner starts where the factor first exceeds 0.9: psi just past
  // 56.25 degrees, 226 steps of a quarter degree in.
  int firstClamped = 0;
  for (int n = 1; n <= 1440 && !firstClamped; ++n)
    if (w.factor[n] == clamped) firstClamped = n;
  EXPECT_EQ(firstClamped, 227);
}

TEST(Outline, StepAlwaysEnds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const curve::Outline* o : {&curve::kTriangle, &curve::kSquare}) {
    for (double step : {kPi, kPi / 1.5, kPi / 2, 2 * kPi, 1e300, nan, inf, -kStep}) {
      double angle = 0;
      for (int n = 0; n < 50; ++n) curve::OutlineStep(*o, angle, step);
      SUCCEED();
    }
    double angle = nan;
    EXPECT_TRUE(std::isnan(curve::OutlineStep(*o, angle, kStep)));
  }
}

// ---------------------------------------------------------------------------
// Wheel chain

struct Wheels {
  double size[25] = {};
  double ratio[25] = {};
  double angle[25] = {};
};

TEST(WheelChain, AnglesAreComputedForAllTwentyFourWheels) {
  Wheels w;
  for (int k = 0; k <= 24; ++k) w.ratio[k] = k - 12;
  w.angle[0] = 99;
  curve::ComputeWheelAngles(w.ratio, 0.5, w.angle);
  EXPECT_EQ(w.angle[0], 99);  // index 0 is not a wheel
  for (int k = 1; k <= 24; ++k) EXPECT_EQ(w.angle[k], (k - 12) * 0.5);
}

TEST(WheelChain, StartValuesTraceACircleStartingBelowTheCentre) {
  Wheels w;
  w.size[1] = 240, w.size[2] = 5, w.size[3] = 195;
  for (int k = 1; k <= 24; ++k) w.ratio[k] = 19;
  curve::ComputeWheelAngles(w.ratio, 0, w.angle);
  double x = 7, y = 7;  // whatever was there before
  curve::SumWheelChain(w.size, w.angle, 3, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 440);
  double cx, cy;
  const curve::PassTransform p = curve::MakePassTransform(0, 0, kScale, kScale);
  ToCanvas(p, x, y, cx, cy);
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 2640);

  // With the triangle outline the first point is drawn at 2640 x rho.
  double angle = 0, sx, sy;
  const double rho = curve::OutlineStep(curve::kTriangle, angle, kStep);
  curve::RotateScaleOutline(p, x, y, rho, sx, sy);
  curve::TurnOffset(p, sx, sy, 0, 0, cx, cy);
  EXPECT_EQ(cx, 0);
  EXPECT_NEAR(cy, 1466.6667, 5e-5);

  // All arms turn together: a circle of radius 440 at every t, 19 times per 2 pi.
  for (double t : {0.01, 0.5, 1.0, 3.0}) {
    curve::ComputeWheelAngles(w.ratio, t, w.angle);
    curve::SumWheelChain(w.size, w.angle, 3, x, y);
    EXPECT_NEAR(std::hypot(x, y), 440, 1e-9);
    EXPECT_NEAR(x, 440 * std::sin(19 * t), 1e-9);
  }
}

TEST(WheelChain, SineGoesToXAndCosineToY) {
  Wheels w;
  w.size[1] = 10;
  w.angle[1] = kPi / 2;
  double x, y;
  curve::SumWheelChain(w.size, w.angle, 3, x, y);
  EXPECT_NEAR(x, 10, 1e-12);
  EXPECT_NEAR(y, 0, 1e-12);
}

TEST(WheelChain, ARatioOfZeroIsAFixedOffsetAlongY) {
  Wheels w;
  w.size[1] = 100, w.size[2] = 30, w.size[3] = 50;
  w.ratio[1] = 3, w.ratio[2] = 0, w.ratio[3] = -7;
  for (double t : {0.0, 0.4, 1.7, 5.0}) {
    double x, y, x2, y2;
    curve::ComputeWheelAngles(w.ratio, t, w.angle);
    curve::SumWheelChain(w.size, w.angle, 3, x, y);
    Wheels without = w;
    without.size[2] = 0;
    curve::SumWheelChain(without.size, without.angle, 3, x2, y2);
    EXPECT_NEAR(x, x2, 1e-12);
    EXPECT_NEAR(y, y2 + 30, 1e-12);
  }
}

TEST(WheelChain, OnlyTheCountedWheelsContributeAndTheCountIsLimited) {
  Wheels w;
  for (int k = 1; k <= 24; ++k) w.size[k] = k;  // every angle 0: each adds its size to y
  double x, y;
  curve::SumWheelChain(w.size, w.angle, 3, x, y);
  EXPECT_EQ(y, 6);
  curve::SumWheelChain(w.size, w.angle, 24, x, y);
  EXPECT_EQ(y, 300);
  // Above 24 the count is 24: nothing beyond the table is read.
  curve::SumWheelChain(w.size, w.angle, 25, x, y);
  EXPECT_EQ(y, 300);
  curve::SumWheelChain(w.size, w.angle, 32767, x, y);
  EXPECT_EQ(y, 300);
  curve::SumWheelChain(w.size, w.angle, 0, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  curve::SumWheelChain(w.size, w.angle, -5, x, y);
  EXPECT_EQ(y, 0);
}

// ---------------------------------------------------------------------------
// Picture extent

TEST(PictureExtent, SingleWheelIsTwiceTheLargestReach) {
  double size[25] = {0, 240, 5, 195};
  const float extent = curve::PictureExtent(size, 3, false);
  EXPECT_EQ(extent, 860.0f);
  EXPECT_EQ(num::FormatSingle(1080.0f / extent), "1.255814");
  EXPECT_EQ(num::FormatNumber(num::RoundHalfEven(1080.0f / extent, 3)), "1.256");
  EXPECT_EQ(num::FormatNumber(num::RoundHalfEven(1920.0f / extent, 3)), "2.233");
  EXPECT_EQ(num::FormatNumber(num::RoundHalfEven(768.0f / extent, 3)), "0.893");

  // Signs: |R - r| + |d|, whatever the count says.
  double negative[25] = {0, 100, -30, -50, 999};
  EXPECT_EQ(curve::PictureExtent(negative, 24, false), 360.0f);
}

TEST(PictureExtent, MultiWheelSumsTheCountedArmLengths) {
  double size[25] = {0, 240, -5, 195, 1000};
  EXPECT_EQ(curve::PictureExtent(size, 3, true), 880.0f);
  EXPECT_EQ(curve::PictureExtent(size, 4, true), 2880.0f);
  EXPECT_EQ(curve::PictureExtent(size, 0, true), 0.0f);
  double all[25];
  for (int k = 0; k <= 24; ++k) all[k] = 10;
  EXPECT_EQ(curve::PictureExtent(all, 24, true), 480.0f);
  EXPECT_EQ(curve::PictureExtent(all, 100, true), 480.0f);
}

TEST(PictureExtent, IsRoundedOnceToASingle) {
  // 2 * 8388608.25 = 16777216.5 is held as the nearest float, 16777216.
  double size[25] = {0, 8388608.25, 0, 0};
  EXPECT_EQ(curve::PictureExtent(size, 3, false), 16777216.0f);
  double fraction[25] = {0, 0.1, 0, 0.2};
  EXPECT_EQ(curve::PictureExtent(fraction, 3, false), static_cast<float>(2 * (0.1 + 0.2)));
}

}  // namespace
