#include "base/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using base::FormatNumber;
using base::FormatSingle;
using base::ParseNumber;
using base::RoundHalfEven;
using base::Val;

const double kInf = std::numeric_limits<double>::infinity();

TEST(ParseNumber, TakesOnlyAWholeTextThatIsANumber) {
  // clang-format off
  for (auto [text, value] : std::vector<std::pair<const char*, double>>{
      {"12", 12}, {"  12  ", 12}, {"\t-3.5 ", -3.5}, {"+.5", 0.5}, {"5.", 5}, {"007", 7},
      {"1e3", 1000}, {"1.5E-3", 0.0015}, {" -2.5e+2", -250}, {"0.1", 0.1},
      {"2.66666666666667", 2.66666666666667},
      // Below the double range is 0.
      {"1e-400", 0}, {"0.0000001e-320", 0}, {"0e999", 0}}) {
    // clang-format on
    EXPECT_EQ(ParseNumber(text), value) << '"' << text << '"';
  }
  for (const char* text : {"",    "   ", "-",   "+",   ".",     "-.",           "+-1",   "--1",
                           "1e",  "1e+", "e5",  "12a", "1 2",   "1..2",         "1e2.5", "0x10",
                           "1,5", "inf", "nan", "1d2", "1e400", "-123456.7e305"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
  }
}

TEST(ParseNumber, IgnoresTheDesktopLocale) {
  // The desktop toolkit switches the C library to the user's locale; a decimal
  // comma there must not change how the fields read.
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
    switched = switched || std::setlocale(LC_NUMERIC, name);
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_FALSE(ParseNumber("2,5").has_value());
  EXPECT_EQ(Val("3.5e2x"), 350.0);
  EXPECT_EQ(FormatNumber(2.5), "2.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Val, TakesTheLeadingNumberAndNeverFails) {
  // clang-format off
  for (auto [text, value] : std::vector<std::pair<const char*, double>>{
      {"12abc", 12}, {"abc", 0}, {"3.5e2x", 350}, {"   24", 24}, {"-.5 and more", -0.5}, {"1e", 1},
      // An unfinished exponent is not part of the number.
      {"2E+x", 2}, {"", 0}, {"-", 0}, {".", 0}, {"x12", 0}, {"1e-999", 0}, {"1e999", kInf}, {"-1e999", -kInf}}) {
    // clang-format on
    EXPECT_EQ(Val(text), value) << '"' << text << '"';
  }
}

TEST(Format, FifteenOrSevenSignificantDigitsOrExponentForm) {
  // clang-format off
  for (auto [value, text] : std::vector<std::pair<double, const char*>>{
      {6 * 0.9, "5.4"}, {6, "6"}, {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
      {0.1 + 0.2, "0.3"}, {-0.5, "-0.5"}, {1440, "1440"}, {123456789012345.6, "123456789012346"},
      {0.0, "0"}, {-0.0, "0"},
      // Exponent form below 1E-05 and from 1E+15 on.
      {0.0000012, "1.2E-06"}, {0.00001, "0.00001"}, {0.000015, "0.000015"}, {0.00000015, "1.5E-07"},
      {999999999999999.0, "999999999999999"}, {1e15, "1E+15"},
      {1234567890123456.0, "1.23456789012346E+15"}, {1e100, "1E+100"}, {-2.5e-300, "-2.5E-300"},
      // Rounding to 15 digits can carry into the next power of ten.
      {999999999999999.9, "1E+15"}, {0.0000099999999999999999, "0.00001"},
      // Exact halves of the sixteenth digit go to even.
      {100000000000000.5, "100000000000000"}, {100000000000001.5, "100000000000002"}}) {
    // clang-format on
    EXPECT_EQ(FormatNumber(value), text);
  }
  for (double v : {kInf, -kInf, std::nan("")}) {
    EXPECT_FALSE(ParseNumber(FormatNumber(v)).has_value());
  }
  // A value with more digits comes back at 15 digits, and stays there.
  const double third = *ParseNumber(FormatNumber(1.0 / 3));
  EXPECT_NE(third, 1.0 / 3);
  EXPECT_EQ(FormatNumber(third), FormatNumber(1.0 / 3));
  // Singles are written with 7 significant digits.
  // clang-format off
  for (auto [value, text] : std::vector<std::pair<float, const char*>>{
      {1080.0f / 860.0f, "1.255814"}, {1920.0f / 860.0f, "2.232558"},
      {768.0f / 860.0f, "0.8930233"}, {0.1f, "0.1"}, {1234567.0f, "1234567"},
      {12345678.0f, "1.234568E+07"}, {0.0000012f, "1.2E-06"}, {-2.5f, "-2.5"}, {-0.0f, "0"}}) {
    // clang-format on
    EXPECT_EQ(FormatSingle(value), text);
  }
}

TEST(RoundHalfEven, HalvesOfTheBinaryValueGoToEven) {
  struct Case {
    double v;
    int decimals;
    double want;
  };
  // clang-format off
  for (const Case& c : std::initializer_list<Case>{
      {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {2.6, 0, 3}, {2.5, -1, 2}, {0.125, 2, 0.12},
      {0.375, 2, 0.38}, {-0.375, 2, -0.38},
      // 2.6665 is stored above the half, 2.6675 and 1.005 below it.
      {2.6665, 3, 2.667}, {2.6675, 3, 2.667}, {1.005, 2, 1.0}, {2.66666666666667, 3, 2.667},
      {1e20, 3, 1e20}}) {
    // clang-format on
    EXPECT_EQ(RoundHalfEven(c.v, c.decimals), c.want) << c.v << " to " << c.decimals;
  }
  EXPECT_EQ(FormatNumber(RoundHalfEven(1920.0f / 860.0f, 3)), "2.233");
  EXPECT_EQ(FormatNumber(RoundHalfEven(768.0f / 860.0f, 3)), "0.893");
  EXPECT_TRUE(std::isinf(RoundHalfEven(kInf, 3)));
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 3)));
}

TEST(WholeNumbers, RoundHalvesToEvenAndClampToTheType) {
  // clang-format off
  for (auto [v, want] : std::vector<std::pair<double, int>>{
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {450.6, 451}, {32767.4, 32767}, {40000, 32767},
      {-40000, -32768}, {1e300, 32767}, {std::nan(""), 0}}) {
    // clang-format on
    EXPECT_EQ(base::ToInt16(v), want) << v;
  }
  // clang-format off
  for (auto [v, want] : std::vector<std::pair<double, int32_t>>{
      {-3.5, -4}, {2147483647.4, 2147483647}, {2147483648.0, 2147483647}, {-1e300, -2147483647 - 1},
      {-kInf, -2147483647 - 1}, {std::nan(""), 0}}) {
    // clang-format on
    EXPECT_EQ(base::ToInt32(v), want) << v;
  }
}

}  // namespace
