#include "base/rnd.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

std::vector<float> FirstValues(double seed, int n, int skipped = 0) {
  base::Rnd rnd;
  for (int i = 0; i < skipped; ++i) rnd.Next();  // a different history
  if (seed >= 0) rnd.Randomize(seed);
  std::vector<float> v;
  for (int i = 0; i < n; ++i) v.push_back(rnd.Next());
  return v;
}

TEST(Rnd, UnseededFirstValuesAndSeeds) {
  // Unseeded: the first values are fixed.
  EXPECT_EQ(FirstValues(-1, 3), (std::vector<float>{0.7055475f, 0.533424f, 0.5795186f}));
  // A seed always starts the same sequence; seeds from the timer a moment
  // apart, differing only in low mantissa bits, start different ones.
  EXPECT_EQ(FirstValues(1, 50), FirstValues(1, 50, 1000));
  const double seeds[] = {43200.0, 43200.015625, 43200.03125, 43201.0, 0.0, 1.0, 2.0};
  for (size_t i = 0; i < std::size(seeds); ++i)
    for (size_t j = i + 1; j < std::size(seeds); ++j)
      EXPECT_NE(FirstValues(seeds[i], 8), FirstValues(seeds[j], 8)) << seeds[i] << ' ' << seeds[j];
}

}  // namespace
