#include "base/curve_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "base/numbers.h"

namespace {

using base::kPi;

// The start values: R = 240, r = 5, d = 195, Resolution 1440. (The first
// points of the six routines are checked by outline_and_chain.tscript.)
const double kStep = kPi / (1440.0 / 2);

struct Wheels {
  double size[25] = {0, 240, 5, 195};
  double ratio[25] = {};
  double angle[25] = {};
  Wheels() { std::fill(ratio + 1, ratio + 25, 19.0); }
};

TEST(CurveMath, RotStartActsBeforeTheScalesTurnAfterThemAndOffsetsMoveRightAndUp) {
  struct Case {
    double rotStart, turn, sx, sy, x, offX, offY, cx, cy;
  };
  const Case cases[] = {
      {90, 0, 6, 6, 430, 0, 0, 0, -2580},  // straight up: canvas y grows downwards
      {30, 0, 1, 1, 1, 0, 0, 0.8660254037844, -0.5},
      {0, -60, 1, 1, 1, 0, 0, 0.5, 0.8660254037844},
      {90, 0, 2, 1, 1, 0, 0, 0, -1},  // turned inside the stretch
      {0, 90, 2, 1, 1, 0, 0, 0, -2},  // the stretched picture turned
      {0, 0, 6, 6, 430, 100, 0, 2680, 0},
      {0, 0, 6, 6, 430, 0, 100, 2580, -100},
  };
  for (const Case& c : cases) {
    const base::PassTransform p = base::MakePassTransform(
        base::DegreesToRadians(c.rotStart), base::DegreesToRadians(c.turn), c.sx, c.sy);
    double sx, sy, cx, cy;
    base::RotateScale(p, c.x, 0, sx, sy);
    base::TurnOffset(p, sx, sy, c.offX, c.offY, cx, cy);
    EXPECT_NEAR(cx, c.cx, 1e-9) << c.rotStart << ' ' << c.turn;
    EXPECT_NEAR(cy, c.cy, 1e-9) << c.rotStart << ' ' << c.turn;
  }
}

// Outlines

TEST(Outline, FactorRunsFromTheSideMiddleToTheClampedCornerAndTheAngleJumpsBySides) {
  struct Case {
    const base::Outline* o;
    const char* firstFactor;
    int firstClamped, firstJump, sides, jumps;
  };
  // The factor is clamped where it passes 0.9: triangle psi just past 56.25
  // degrees, square past 38.2. Past 60 degrees the triangle's angle jumps to
  // just past -60, two sides on; past 45 degrees the square's by three.
  const double clamped = base::kOutlineClamp * base::kOutlineNormaliser;
  EXPECT_EQ(base::FormatNumber(clamped), "0.999999999999999");
  for (const Case& c : {Case{&base::kTriangle, "0.555555555555555", 227, 241, 2, 3},
                        Case{&base::kSquare, "0.785666666666666", 154, 181, 3, 4}}) {
    double angle = 0, lo = 2, hi = 0;
    int first = 0, jumps = 0, firstClamped = 0;
    for (int n = 1; n <= 1440; ++n) {
      const double before = angle;
      const double rho = base::OutlineStep(*c.o, angle, kStep);
      const int sides = static_cast<int>(std::lround((angle - before - kStep) / c.o->jump));
      if (n == 1) {
        EXPECT_EQ(base::FormatNumber(rho), c.firstFactor);
      }
      if (sides && !first) {
        first = n;
        EXPECT_EQ(sides, c.sides);
      }
      jumps += sides != 0;
      if (rho == clamped && !firstClamped) firstClamped = n;
      lo = std::min(lo, rho), hi = std::max(hi, rho);
    }
    EXPECT_EQ(firstClamped, c.firstClamped);
    EXPECT_NEAR(first, c.firstJump, 1);
    EXPECT_EQ(jumps, c.jumps);
    EXPECT_EQ(lo, c.o->inradius * base::kOutlineNormaliser);
    EXPECT_EQ(hi, clamped);
  }
}

TEST(Outline, KeptCosineGivesTheSameStepsAsComputingItAgain) {
  // A pass keeps the cosine of its angle from one step to the next; the
  // angles and factors are those of computing it afresh at every step, bit
  // for bit, through the jumps, for coarse and fine steps.
  for (const base::Outline* o : {&base::kTriangle, &base::kSquare}) {
    for (double step : {kStep, 0.3, 1.7, -kStep}) {
      base::OutlinePosition kept;
      double angle = 0;
      for (int n = 0; n < 3000; ++n) {
        const double a = base::OutlineStep(*o, kept, step);
        const double b = base::OutlineStep(*o, angle, step);
        ASSERT_EQ(a, b) << n;
        ASSERT_EQ(kept.angle, angle) << n;
      }
    }
  }
}

TEST(Outline, StepAlwaysEnds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const base::Outline* o : {&base::kTriangle, &base::kSquare}) {
    for (double step : {kPi / 1.5, kPi / 2, 2 * kPi, 1e300, nan, inf, -kStep}) {
      double angle = 0;
      for (int n = 0; n < 50; ++n) base::OutlineStep(*o, angle, step);
    }
    double angle = nan;
    EXPECT_TRUE(std::isnan(base::OutlineStep(*o, angle, kStep)));
  }
}

// Wheel chain

TEST(WheelChain, ArmsTurnByTheirRatiosAndARatioOfZeroIsAFixedOffsetAlongY) {
  Wheels w, fixed;
  fixed.ratio[3] = 0;
  for (double t : {0.01, 0.5, 3.0}) {
    double x, y;
    base::ComputeWheelAngles(w.ratio, t, w.angle);
    base::SumWheelChain(w.size, w.angle, 3, x, y);
    EXPECT_NEAR(x, 440 * std::sin(19 * t), 1e-9);  // sine to x, cosine to y
    EXPECT_NEAR(y, 440 * std::cos(19 * t), 1e-9);
    // Wheel 3 fixed: a circle of radius 245 about (0, 195).
    base::ComputeWheelAngles(fixed.ratio, t, fixed.angle);
    base::SumWheelChain(fixed.size, fixed.angle, 3, x, y);
    EXPECT_NEAR(x, 245 * std::sin(19 * t), 1e-9);
    EXPECT_NEAR(y, 245 * std::cos(19 * t) + 195, 1e-9);
  }
}

TEST(WheelChain, OnlyTheCountedWheelsContributeAndTheCountIsLimited) {
  double size[25] = {}, angle[25] = {};
  for (int k = 1; k <= 24; ++k) size[k] = k;  // every angle 0: each adds its size to y
  for (auto [count, sum] : std::vector<std::pair<int, double>>{
           {3, 6}, {24, 300}, {25, 300}, {32767, 300}, {0, 0}, {-5, 0}}) {
    double x = 7, y = 7;
    base::SumWheelChain(size, angle, count, x, y);
    EXPECT_EQ(x, 0) << count;
    EXPECT_EQ(y, sum) << count;
  }
}

// Picture extent

TEST(PictureExtent, SingleAndMultiWheelAsASingle) {
  double size[25] = {0, 240, 5, 195};
  const float extent = base::PictureExtent(size, 3, false);
  EXPECT_EQ(extent, 860.0f);
  EXPECT_EQ(base::FormatSingle(1080.0f / extent), "1.255814");
  EXPECT_EQ(base::FormatNumber(base::RoundHalfEven(1080.0f / extent, 3)), "1.256");
  // Single: |R - r| + |d| whatever the count says; multi: the counted arms.
  double mixed[25] = {0, 240, -5, 195, 1000};
  EXPECT_EQ(base::PictureExtent(mixed, 24, false), 880.0f);
  EXPECT_EQ(base::PictureExtent(mixed, 3, true), 880.0f);
  EXPECT_EQ(base::PictureExtent(mixed, 4, true), 2880.0f);
  EXPECT_EQ(base::PictureExtent(mixed, 0, true), 0.0f);
  double all[25];
  std::fill(all, all + 25, 10.0);
  EXPECT_EQ(base::PictureExtent(all, 100, true), 480.0f);
  // Rounded once to a single: 2 * 8388608.25 is held as 16777216.
  double big[25] = {0, 8388608.25, 0, 0}, fraction[25] = {0, 0.1, 0, 0.2};
  EXPECT_EQ(base::PictureExtent(big, 3, false), 16777216.0f);
  EXPECT_EQ(base::PictureExtent(fraction, 3, false), static_cast<float>(2 * (0.1 + 0.2)));
}

}  // namespace

namespace {

// The maths library's sine and cosine, each called on its own, so that the
// compiler cannot pair them into one call.
double (*volatile separateSin)(double) = [](double v) { return std::sin(v); };
double (*volatile separateCos)(double) = [](double v) { return std::cos(v); };

// The chain takes the sine and cosine of an angle from one call; its points
// are those of the two called one by one, to the last bit, for angles small
// and very large.
TEST(WheelChain, PairedSineAndCosineGiveTheSameBitsAsSeparateCalls) {
  double size[25], angle[25];
  for (double scale : {1e-3, 1.0, 1e3, 1e6, 1e9, 1e15, 1e300}) {
    for (int k = 1; k <= 24; ++k) {
      size[k] = 60.0 / k;
      angle[k] = (k % 2 ? 1 : -1) * (3 * k - 2) * scale * 1.000123;
    }
    double x, y, wantX = 0, wantY = 0;
    base::SumWheelChain(size, angle, 24, x, y);
    for (int k = 1; k <= 24; ++k) {
      wantY = separateCos(angle[k]) * size[k] + wantY;
      wantX = separateSin(angle[k]) * size[k] + wantX;
    }
    EXPECT_EQ(x, wantX) << scale;
    EXPECT_EQ(y, wantY) << scale;
  }
}

}  // namespace
