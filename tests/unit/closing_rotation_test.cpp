#include "base/closing_rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <utility>

namespace {

using base::ClosingRotationCount;
using base::GCD;

const std::string kInvalid = "ERROR: Invalid numeric argument(s)";
const std::string kZero = "ERROR: Argument(s) must be non-zero";

void Expect(const base::GcdResult& r, long long value, const std::string& text) {
  EXPECT_EQ(r.ok, value != 0) << text;
  EXPECT_EQ(r.value, value) << text;
  EXPECT_EQ(r.text, text);
}

TEST(Gcd, DivisorsOfNumbersAndOfTexts) {
  struct Case {
    double a, b;
    long long gcd;
  };
  // clang-format off
  // The last pair: consecutive Fibonacci numbers.
  for (const Case& c : std::initializer_list<Case>{
      {240, 5, 5}, {-240, 5, 5}, {7, 7, 7}, {450, -150, 150}, {-12, -18, 6}, {450, 149, 1},
      {1e15, 5, 5}, {999999999999999.0, 333333333333333.0, 333333333333333},
      {701408733, 433494437, 1}}) {
    // clang-format on
    Expect(GCD(c.a, c.b), c.gcd, std::to_string(c.gcd));
  }
  // A text counts when it reads as a number as a whole.
  Expect(GCD(" 12 ", "-18"), 6, "6");
  Expect(GCD("1e2", "30"), 10, "10");
  Expect(GCD("450.0", "150"), 150, "150");
}

TEST(Gcd, ErrorsNonNumbersAndFractionsBeforeZeros) {
  const double inf = std::numeric_limits<double>::infinity();
  // clang-format off
  for (auto [a, b] : std::initializer_list<std::pair<double, double>>{
      {4.0, 2.5}, {0.0, 2.5}, {2.5, 0.0}, {std::nan(""), 4.0}, {4.0, inf}, {-inf, 4.0}, {1e16, 4.0},
      {4.0, -1e300}}) {
    // clang-format on
    Expect(GCD(a, b), 0, kInvalid);
  }
  // clang-format off
  for (auto [a, b] : std::initializer_list<std::pair<const char*, const char*>>{
      {"abc", "4"}, {"4", "abc"}, {"", "4"}, {"12x", "4"}, {"0", "2.5"}, {"1e400", "4"}, {"x", "0"}}) {
    // clang-format on
    Expect(GCD(a, b), 0, kInvalid);
  }
  Expect(GCD(0, 4), 0, kZero);
  Expect(GCD(4, 0), 0, kZero);
  Expect(GCD(-0.0, 0), 0, kZero);
  Expect(GCD("0", "4"), 0, kZero);
}

TEST(ClosingRotationCount, IsSevenTimesTheRevolutionsThatCloseTheCurve) {
  struct Case {
    double r1, r2;
    long long count;
  };
  // clang-format off
  for (const Case& c : std::initializer_list<Case>{
      {240, 5, 7}, {240, 7, 49}, {450, -150, 7}, {100, 30, 21}, {-150, -150, 7}, {1, 150, 1050},
      {450, 149, 1043}, {150, 1, 7}}) {
    // clang-format on
    EXPECT_EQ(ClosingRotationCount(c.r1, c.r2), c.count) << c.r1 << ',' << c.r2;
  }
  for (int r1 = -450; r1 <= 450; r1 += 37)
    for (int r2 = -450; r2 <= 450; ++r2) {
      if (r1 == 0 || r2 == 0) continue;
      ASSERT_EQ(GCD(r1, r2).value, std::gcd(r1, r2)) << r1 << ',' << r2;
      ASSERT_EQ(ClosingRotationCount(r1, r2), 7LL * std::abs(r2) / std::gcd(r1, r2))
          << r1 << ',' << r2;
    }
  for (auto [a, b] : {std::pair{0.0, 4.0}, {240.0, 0.0}, {4.0, 2.5}, {std::nan(""), 5.0}}) {
    EXPECT_FALSE(ClosingRotationCount(a, b).has_value()) << a << ',' << b;
  }
}

}  // namespace
