#include "forms/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

using num::FormatNumber;
using num::FormatSingle;
using num::ParseNumber;
using num::RoundHalfEven;
using num::Val;

TEST(ParseNumber, AcceptsEveryFormOfAPlainNumber) {
  EXPECT_EQ(ParseNumber("12"), 12.0);
  EXPECT_EQ(ParseNumber("  12  "), 12.0);
  EXPECT_EQ(ParseNumber("\t-3.5 "), -3.5);
  EXPECT_EQ(ParseNumber("+.5"), 0.5);
  EXPECT_EQ(ParseNumber("5."), 5.0);
  EXPECT_EQ(ParseNumber("007"), 7.0);
  EXPECT_EQ(ParseNumber("1e3"), 1000.0);
  EXPECT_EQ(ParseNumber("1.5E-3"), 0.0015);
  EXPECT_EQ(ParseNumber(" -2.5e+2"), -250.0);
  EXPECT_EQ(ParseNumber("0.1"), 0.1);  // correctly rounded, not merely close
  EXPECT_EQ(ParseNumber("2.66666666666667"), 2.66666666666667);
}

TEST(ParseNumber, RejectsAnythingThatIsNotWhollyANumber) {
  for (const char* text : {"", "   ", "-", "+", ".", "-.", "+-1", "--1", "1e", "1e+", "e5",
                           "12a", "1 2", "1..2", "1.2.3", "1e2.5", "0x10", "1,5", "inf", "nan",
                           "abc", "3 wheels", "1d2"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
  }
}

TEST(ParseNumber, BeyondTheDoubleRangeIsNotANumberButBelowItIsZero) {
  EXPECT_FALSE(ParseNumber("1e400").has_value());
  EXPECT_FALSE(ParseNumber("-123456.7e305").has_value());
  EXPECT_EQ(ParseNumber("1e-400"), 0.0);
  EXPECT_EQ(ParseNumber("0.0000001e-320"), 0.0);
  EXPECT_EQ(ParseNumber("0e999"), 0.0);
}

TEST(ParseNumber, IgnoresTheDesktopLocale) {
  // The desktop toolkit switches the C library to the user's locale; a decimal
  // comma there must not change how the fields read.
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
  bool switched = false;
  for (const char* name : commaLocales) switched = switched || std::setlocale(LC_NUMERIC, name);
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_FALSE(ParseNumber("2,5").has_value());
  EXPECT_EQ(Val("3.5e2x"), 350.0);
  EXPECT_EQ(FormatNumber(2.5), "2.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Val, TakesTheLeadingNumberAndNeverFails) {
  EXPECT_EQ(Val("12abc"), 12.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val("3.5e2x"), 350.0);
  EXPECT_EQ(Val("   24"), 24.0);
  EXPECT_EQ(Val("3"), 3.0);
  EXPECT_EQ(Val("-.5 and more"), -0.5);
  EXPECT_EQ(Val("1e"), 1.0);    // an unfinished exponent is not part of the number
  EXPECT_EQ(Val("2E+x"), 2.0);
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("."), 0.0);
  EXPECT_EQ(Val("x12"), 0.0);
  EXPECT_EQ(Val("1e-999"), 0.0);
  EXPECT_EQ(Val("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(FormatNumber, WritesUpToFifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(FormatNumber(6 * 0.9), "5.4");
  EXPECT_EQ(FormatNumber(6), "6");
  EXPECT_EQ(FormatNumber(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatNumber(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatNumber(0.5), "0.5");
  EXPECT_EQ(FormatNumber(-0.5), "-0.5");
  EXPECT_EQ(FormatNumber(-231), "-231");
  EXPECT_EQ(FormatNumber(1440), "1440");
  EXPECT_EQ(FormatNumber(100), "100");
  EXPECT_EQ(FormatNumber(2.66666666666667), "2.66666666666667");
  EXPECT_EQ(FormatNumber(123456789012345.6), "123456789012346");
  EXPECT_EQ(FormatNumber(0.0), "0");
  EXPECT_EQ(FormatNumber(-0.0), "0");
}

TEST(FormatNumber, UsesExponentFormOutsideTheFixedRange) {
  EXPECT_EQ(FormatNumber(0.0000012), "1.2E-06");
  EXPECT_EQ(FormatNumber(0.00001), "0.00001");
  EXPECT_EQ(FormatNumber(0.000015), "0.000015");
  EXPECT_EQ(FormatNumber(0.00000015), "1.5E-07");
  EXPECT_EQ(FormatNumber(-0.0000012), "-1.2E-06");
  EXPECT_EQ(FormatNumber(999999999999999.0), "999999999999999");
  EXPECT_EQ(FormatNumber(1e15), "1E+15");
  EXPECT_EQ(FormatNumber(1234567890123456.0), "1.23456789012346E+15");
  EXPECT_EQ(FormatNumber(1e100), "1E+100");
  EXPECT_EQ(FormatNumber(-2.5e-300), "-2.5E-300");
  // Rounding to 15 digits can carry into the next power of ten.
  EXPECT_EQ(FormatNumber(999999999999999.9), "1E+15");
  EXPECT_EQ(FormatNumber(0.0000099999999999999999), "0.00001");
}

TEST(FormatNumber, RoundsExactHalvesToEven) {
  // Both values are exact in binary, so the sixteenth digit is a true half.
  EXPECT_EQ(FormatNumber(100000000000000.5), "100000000000000");
  EXPECT_EQ(FormatNumber(100000000000001.5), "100000000000002");
}

TEST(FormatNumber, TextReadsBackAsTheSameFifteenDigitValue) {
  for (double v : {5.4, 1.256, 0.785666666666666, -450.0, 1e-7, 3.14159265358979, 1e20}) {
    const std::optional<double> back = ParseNumber(FormatNumber(v));
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_EQ(*back, v);
  }
  // A value with more digits comes back at 15 digits, and stays there.
  const double third = *ParseNumber(FormatNumber(1.0 / 3));
  EXPECT_NE(third, 1.0 / 3);
  EXPECT_EQ(FormatNumber(third), FormatNumber(1.0 / 3));
}

TEST(FormatNumber, NonFiniteValuesAreNotReadBackAsNumbers) {
  for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(ParseNumber(FormatNumber(v)).has_value());
  }
}

TEST(FormatSingle, WritesTheFloatWithSevenSignificantDigits) {
  EXPECT_EQ(FormatSingle(1080.0f / 860.0f), "1.255814");
  EXPECT_EQ(FormatSingle(1920.0f / 860.0f), "2.232558");
  EXPECT_EQ(FormatSingle(768.0f / 860.0f), "0.8930233");
  // 0.1f is 0.100000001490116...: only seven digits are written.
  EXPECT_EQ(FormatSingle(0.1f), "0.1");
  EXPECT_EQ(FormatSingle(1234567.0f), "1234567");
  EXPECT_EQ(FormatSingle(12345678.0f), "1.234568E+07");
  EXPECT_EQ(FormatSingle(0.0000012f), "1.2E-06");
  EXPECT_EQ(FormatSingle(-2.5f), "-2.5");
  EXPECT_EQ(FormatSingle(-0.0f), "0");
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.6), 3.0);
  EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);  // exact binary halves
  EXPECT_EQ(RoundHalfEven(0.375, 2), 0.38);
  EXPECT_EQ(RoundHalfEven(-0.375, 2), -0.38);
}

TEST(RoundHalfEven, DecidesOnTheBinaryValue) {
  // 2.6665 is stored just above the half and 2.6675 just below it, although
  // both products with 1000 come out as exact halves (2666.5 and 2667.5).
  EXPECT_EQ(RoundHalfEven(2.6665, 3), 2.667);
  EXPECT_EQ(RoundHalfEven(2.6675, 3), 2.667);
  // 1.005 is stored below the half, although a product 1.005 * 100 is 100.5.
  EXPECT_EQ(RoundHalfEven(1.005, 2), 1.0);
}

TEST(RoundHalfEven, GivesTheScaleFieldsTheirThreeDecimals) {
  EXPECT_EQ(RoundHalfEven(2.66666666666667, 3), 2.667);
  EXPECT_EQ(FormatNumber(RoundHalfEven(2.66666666666667, 3)), "2.667");
  EXPECT_EQ(FormatNumber(RoundHalfEven(6, 3)), "6");
  EXPECT_EQ(FormatNumber(RoundHalfEven(5.4, 3)), "5.4");
  EXPECT_EQ(FormatNumber(RoundHalfEven(1080.0f / 860.0f, 3)), "1.256");
  EXPECT_EQ(FormatNumber(RoundHalfEven(1920.0f / 860.0f, 3)), "2.233");
  EXPECT_EQ(FormatNumber(RoundHalfEven(768.0f / 860.0f, 3)), "0.893");
}

TEST(RoundHalfEven, LeavesValuesWithoutFractionsAndNonFiniteValuesAlone) {
  EXPECT_EQ(RoundHalfEven(1e20, 3), 1e20);
  EXPECT_EQ(RoundHalfEven(-123456789012345.0, 2), -123456789012345.0);
  EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<double>::infinity(), 3)));
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<double>::quiet_NaN(), 3)));
  EXPECT_EQ(RoundHalfEven(2.5, -1), 2.0);  // no decimals below zero
}

TEST(WholeNumbers, RoundHalvesToEvenAndClampToTheType) {
  EXPECT_EQ(num::ToInt16(2.5), 2);
  EXPECT_EQ(num::ToInt16(3.5), 4);
  EXPECT_EQ(num::ToInt16(-2.5), -2);
  EXPECT_EQ(num::ToInt16(250.5), 250);
  EXPECT_EQ(num::ToInt16(450.6), 451);
  EXPECT_EQ(num::ToInt16(32767.4), 32767);
  EXPECT_EQ(num::ToInt16(40000), 32767);
  EXPECT_EQ(num::ToInt16(-40000), -32768);
  EXPECT_EQ(num::ToInt16(1e300), 32767);
  EXPECT_EQ(num::ToInt16(std::numeric_limits<double>::quiet_NaN()), 0);

  EXPECT_EQ(num::ToInt32(2.5), 2);
  EXPECT_EQ(num::ToInt32(-3.5), -4);
  EXPECT_EQ(num::ToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(num::ToInt32(2147483648.0), 2147483647);
  EXPECT_EQ(num::ToInt32(-1e300), -2147483647 - 1);
  EXPECT_EQ(num::ToInt32(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
  EXPECT_EQ(num::ToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
