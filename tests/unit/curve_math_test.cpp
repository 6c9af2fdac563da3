#include "base/curve_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "base/closing_rotation.h"

namespace {

using base::ClosingRotationCount;
using base::GCD;

// value 0: not a number or not whole; -1: a zero argument.
void Expect(const base::GcdResult& r, long long value) {
  EXPECT_EQ(r.text, value > 0    ? std::to_string(value)
                    : value == 0 ? "ERROR: Invalid numeric argument(s)"
                                 : "ERROR: Argument(s) must be non-zero");
  EXPECT_EQ(std::make_pair(r.ok, r.value), std::make_pair(value > 0, std::max(value, 0LL)));
}

TEST(Gcd, DivisorsOfNumbersAndTextsErrorsBeforeZerosAndTheClosingRotationCount) {
  const double inf = HUGE_VAL;
  // clang-format off
  for (auto [a, b, value] : std::initializer_list<std::tuple<double, double, long long>>{
      {999999999999999.0, 333333333333333.0, 333333333333333}, {701408733, 433494437, 1},
      {4.0, 2.5, 0}, {0.0, 2.5, 0}, {std::nan(""), 4.0, 0}, {4.0, inf, 0}, {-inf, 4.0, 0},
      {1e16, 4.0, 0}, {0, 4, -1}, {4, 0, -1}})
    Expect(GCD(a, b), value);
  // A text counts when it reads as a number as a whole.
  for (auto [a, b, value] : std::initializer_list<std::tuple<const char*, const char*, long long>>{
      {" 12 ", "-18", 6}, {"1e2", "30", 10}, {"abc", "4", 0}, {"4", "abc", 0}, {"", "4", 0},
      {"12x", "4", 0}, {"0", "2.5", 0}, {"1e400", "4", 0}, {"x", "0", 0}, {"0", "4", -1}})
    Expect(GCD(a, b), value);
  for (auto [r1, r2, count] : std::initializer_list<std::tuple<double, double, long long>>{
      {240, 5, 7}, {240, 7, 49}, {450, -150, 7}, {-12, -18, 21}, {-150, -150, 7}, {1, 150, 1050},
      {450, 149, 1043}, {150, 1, 7}}) {
    // clang-format on
    EXPECT_EQ(ClosingRotationCount(r1, r2), count) << r1 << ',' << r2;
  }
  for (auto [a, b] : {std::pair{0.0, 4.0}, {240.0, 0.0}, {4.0, 2.5}, {std::nan(""), 5.0}})
    EXPECT_FALSE(ClosingRotationCount(a, b).has_value()) << a << ',' << b;
}

TEST(Outline, StepAlwaysEndsAndNonFiniteStaysNonFinite) {
  const double nan = std::nan(""), kStep = base::kPi / 720;
  for (const base::Outline* o : {&base::kTriangle, &base::kSquare}) {
    for (double step : {480 * kStep, 1440 * kStep, 1e300, nan, HUGE_VAL, -kStep}) {
      double angle = 0;
      for (int n = 0; n < 50; ++n) base::OutlineStep(*o, angle, step);
      EXPECT_TRUE(step != 480 * kStep || angle > 0);
    }
    double angle = nan;
    EXPECT_TRUE(std::isnan(base::OutlineStep(*o, angle, kStep)));
  }
}

}  // namespace
