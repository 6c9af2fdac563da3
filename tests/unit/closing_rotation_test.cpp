#include "random/closing_rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

namespace {

using rotation::ClosingRotationCount;
using rotation::GCD;

const char kInvalid[] = "ERROR: Invalid numeric argument(s)";
const char kZero[] = "ERROR: Argument(s) must be non-zero";

void ExpectDivisor(const rotation::GcdResult& r, long long value) {
  EXPECT_TRUE(r.ok) << r.text;
  EXPECT_EQ(r.value, value);
}
void ExpectError(const rotation::GcdResult& r, const char* text) {
  EXPECT_FALSE(r.ok) << r.value;
  EXPECT_EQ(r.text, text);
}

TEST(Gcd, KnownPairs) {
  ExpectDivisor(GCD(240, 5), 5);
  ExpectDivisor(GCD(-240, 5), 5);
  ExpectDivisor(GCD(7, 7), 7);
  ExpectDivisor(GCD(450, -150), 150);
  ExpectDivisor(GCD(12, 18), 6);
  ExpectDivisor(GCD(18, 12), 6);
  ExpectDivisor(GCD(-12, -18), 6);
  ExpectDivisor(GCD(1, 150), 1);
  ExpectDivisor(GCD(450, 149), 1);
  EXPECT_EQ(GCD(100, 30).text, "10");
}

TEST(Gcd, AgreesWithTheStandardDivisorOverTheWheelRange) {
  for (int a = -450; a <= 450; a += 7)
    for (int b = -450; b <= 450; ++b) {
      if (a == 0 || b == 0) continue;
      const rotation::GcdResult r = GCD(a, b);
      ASSERT_TRUE(r.ok);
      ASSERT_EQ(r.value, std::gcd(a, b)) << a << ',' << b;
    }
}

TEST(Gcd, WorksOnLargeWholeNumbersExactly) {
  ExpectDivisor(GCD(1e15, 5), 5);
  ExpectDivisor(GCD(999999999999999.0, 333333333333333.0), 333333333333333);
  // Consecutive Fibonacci numbers: the longest run of the loop.
  ExpectDivisor(GCD(701408733, 433494437), 1);
}

TEST(Gcd, TextArgumentsCountWhenTheyReadAsNumbers) {
  ExpectDivisor(GCD("240", "5"), 5);
  ExpectDivisor(GCD(" 12 ", "-18"), 6);
  ExpectDivisor(GCD("1e2", "30"), 10);
  ExpectDivisor(GCD("450.0", "150"), 150);
  ExpectError(GCD("abc", "4"), kInvalid);
  ExpectError(GCD("4", "abc"), kInvalid);
  ExpectError(GCD("", "4"), kInvalid);
  ExpectError(GCD("12x", "4"), kInvalid);
}

TEST(Gcd, FractionsAreInvalidBeforeZerosAreChecked) {
  ExpectError(GCD(4, 2.5), kInvalid);
  ExpectError(GCD("4", "2.5"), kInvalid);
  ExpectError(GCD(0, 2.5), kInvalid);
  ExpectError(GCD(2.5, 0), kInvalid);
  ExpectError(GCD("0", "2.5"), kInvalid);
  ExpectError(GCD(0, 4), kZero);
  ExpectError(GCD(4, 0), kZero);
  ExpectError(GCD("0", "4"), kZero);
  ExpectError(GCD(-0.0, 0), kZero);
  // A non-number is reported first, even beside a zero.
  ExpectError(GCD("x", "0"), kInvalid);
}

TEST(Gcd, NonFiniteAndOversizedValuesAreInvalid) {
  const double inf = std::numeric_limits<double>::infinity();
  ExpectError(GCD(std::numeric_limits<double>::quiet_NaN(), 4), kInvalid);
  ExpectError(GCD(4, inf), kInvalid);
  ExpectError(GCD(-inf, 4), kInvalid);
  ExpectError(GCD(1e16, 4), kInvalid);
  ExpectError(GCD(4, -1e300), kInvalid);
  ExpectError(GCD("1e400", "4"), kInvalid);
}

TEST(ClosingRotationCount, KnownSizePairs) {
  EXPECT_EQ(ClosingRotationCount(240, 5), 7);
  EXPECT_EQ(ClosingRotationCount(240, 7), 49);
  EXPECT_EQ(ClosingRotationCount(450, -150), 7);
  EXPECT_EQ(ClosingRotationCount(100, 30), 21);
  EXPECT_EQ(ClosingRotationCount(-240, 5), 7);
  EXPECT_EQ(ClosingRotationCount(7, 7), 7);
  EXPECT_EQ(ClosingRotationCount(-150, -150), 7);
  EXPECT_EQ(ClosingRotationCount(1, 150), 1050);
  EXPECT_EQ(ClosingRotationCount(450, 149), 1043);
  EXPECT_EQ(ClosingRotationCount(150, 1), 7);
}

TEST(ClosingRotationCount, IsSevenTimesTheRevolutionsThatCloseTheCurve) {
  for (int r1 = -450; r1 <= 450; r1 += 3)
    for (int r2 = -450; r2 <= 450; ++r2) {
      if (r1 == 0 || r2 == 0) continue;
      const std::optional<long long> count = ClosingRotationCount(r1, r2);
      ASSERT_TRUE(count.has_value());
      ASSERT_EQ(*count, 7LL * std::abs(r2) / std::gcd(r1, r2)) << r1 << ',' << r2;
    }
}

TEST(ClosingRotationCount, UndefinedForZeroOrFractionalSizes) {
  EXPECT_FALSE(ClosingRotationCount(0, 4).has_value());
  EXPECT_FALSE(ClosingRotationCount(240, 0).has_value());
  EXPECT_FALSE(ClosingRotationCount(4, 2.5).has_value());
  EXPECT_FALSE(ClosingRotationCount(std::numeric_limits<double>::quiet_NaN(), 5).has_value());
}

}  // namespace
