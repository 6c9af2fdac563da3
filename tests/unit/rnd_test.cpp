#include "base/rnd.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/clock.h"

namespace {

std::vector<float> FirstValues(double seed, int n, int skipped = 0) {
  base::Rnd rnd;
  for (int i = 0; i < skipped; ++i) rnd.Next();
  if (seed >= 0) rnd.Randomize(seed);
  std::vector<float> v(n);
  for (float& x : v) x = rnd.Next();
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
  using base::ElapsedSeconds;
  EXPECT_EQ((std::vector<double>{ElapsedSeconds(100, 102.5), ElapsedSeconds(100, 100),
                                 ElapsedSeconds(86399, 0), ElapsedSeconds(86398.5, 1.5)}),
            (std::vector<double>{2.5, 0, 1, 3}));
}

}  // namespace
