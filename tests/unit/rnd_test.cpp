#include "forms/rnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(Rnd, UnseededItStartsWithClassicBasicsSequence) {
  // The generator is the one of classic BASIC: an unseeded run gives its
  // well-known first values.
  forms::Rnd rnd;
  EXPECT_FLOAT_EQ(rnd.Next(), 0.7055475f);
  EXPECT_FLOAT_EQ(rnd.Next(), 0.533424f);
  EXPECT_FLOAT_EQ(rnd.Next(), 0.5795186f);
}

TEST(Rnd, RunsThroughEveryStateOnceAndStaysBelowOne) {
  forms::Rnd rnd;
  rnd.Randomize(43210.57);
  const uint32_t start = rnd.State();
  std::vector<bool> seen(1u << 24, false);
  float lo = 1, hi = 0;
  for (uint32_t n = 0; n < (1u << 24); ++n) {
    const float v = rnd.Next();
    const uint32_t s = rnd.State();
    ASSERT_LT(s, 1u << 24);
    ASSERT_FALSE(seen[s]) << "state repeated after " << n << " values";
    seen[s] = true;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  EXPECT_EQ(rnd.State(), start);
  EXPECT_EQ(lo, 0.0f);
  EXPECT_LT(hi, 1.0f);
  EXPECT_EQ(hi, 1.0f - 1.0f / 16777216.0f);
}

std::vector<float> FirstValues(forms::Rnd& rnd, int n) {
  std::vector<float> v;
  for (int i = 0; i < n; ++i) v.push_back(rnd.Next());
  return v;
}

TEST(Rnd, ASeedAlwaysStartsTheSameSequence) {
  forms::Rnd a, b;
  a.Randomize(1);
  for (int i = 0; i < 1000; ++i) b.Next();  // a different history
  b.Randomize(1);
  EXPECT_EQ(FirstValues(a, 50), FirstValues(b, 50));
}

TEST(Rnd, NearbyClockSeedsGiveDifferentSequences) {
  // Seeds from the timer a moment apart differ only in low mantissa bits.
  const double seeds[] = {43200.0, 43200.015625, 43200.03125, 43200.5, 43201.0, 0.0, -0.0, 1.0, 2.0};
  std::vector<std::vector<float>> runs;
  for (double s : seeds) {
    forms::Rnd rnd;
    rnd.Randomize(s);
    runs.push_back(FirstValues(rnd, 8));
  }
  for (size_t i = 0; i < runs.size(); ++i)
    for (size_t j = i + 1; j < runs.size(); ++j) {
      if (seeds[i] == seeds[j]) continue;  // 0 and -0 may coincide
      EXPECT_NE(runs[i], runs[j]) << seeds[i] << " and " << seeds[j];
    }
}

}  // namespace
