#include "base/rnd.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "base/clock.h"

namespace {

std::vector<float> FirstValues(double seed, int n, int skipped = 0) {
  base::Rnd rnd;
  for (int i = 0; i < skipped; ++i) rnd.Next();
  if (seed >= 0) rnd.Randomize(seed);
  std::vector<float> v;
  for (int i = 0; i < n; ++i) v.push_back(rnd.Next());
  return v;
}

TEST(Rnd, UnseededFirstValuesAndSeeds) {
  EXPECT_EQ(FirstValues(-1, 3), (std::vector<float>{0.7055475f, 0.533424f, 0.5795186f}));
  // A seed restarts the sequence whatever came before; timer seeds a moment apart differ.
  EXPECT_EQ(FirstValues(1, 50), FirstValues(1, 50, 1000));
  for (double seed : {43200.015625, 43201.0, 0.0})
    EXPECT_NE(FirstValues(43200.0, 8), FirstValues(seed, 8)) << seed;
}

// The splash pause's clock counts seconds since midnight, which wraps to 0.
TEST(SplashClock, ElapsedWithinADayAndAcrossMidnight) {
  for (auto [from, to, want] : {std::tuple{100.0, 102.5, 2.5},
                                {100.0, 100.0, 0.0},
                                {86399.0, 0.0, 1.0},
                                {86398.5, 1.5, 3.0}})
    EXPECT_DOUBLE_EQ(base::ElapsedSeconds(from, to), want) << from << ' ' << to;
}

}  // namespace
