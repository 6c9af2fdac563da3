#include "base/curve_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/numbers.h"

namespace {

using base::kPi;

// What the pictures do not show. The routines' points, outlines and chains
// are checked by the scripts (outline_and_chain, draw_first_points,
// chain_arms) and pixel for pixel by the reference pictures.

// The step at Resolution 1440.
const double kStep = kPi / (1440.0 / 2);

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
