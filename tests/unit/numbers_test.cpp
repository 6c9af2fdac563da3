#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using base::FormatNumber;
using base::ParseNumber;
using base::Val;

const double kInf = std::numeric_limits<double>::infinity(), kNan = std::nan("");

TEST(ParseNumber, TakesOnlyAWholeTextThatIsANumberAndValTheLeadingOne) {
  // clang-format off
  for (auto [text, value] : std::vector<std::pair<const char*, double>>{
      {"  12  ", 12}, {"\t-3.5 ", -3.5}, {"+.5", 0.5}, {"5.", 5}, {" -2.5e+2", -250},
      {"1e-400", 0}})
    EXPECT_EQ(ParseNumber(text), value) << '"' << text << '"';
  for (const char* text : {"", "-", ".", "+-1", "1e", "1e+", "e5", "12a", "1 2", "1..2", "1e2.5",
                           "0x10", "1,5", "inf", "nan", "1d2", "1e400", "-123456.7e305"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
  }
  // Val never fails; an unfinished exponent is not part of the number.
  for (auto [text, value] : std::vector<std::pair<const char*, double>>{
      {"12abc", 12}, {"abc", 0}, {"-.5 and more", -0.5}, {"1e", 1}, {"2E+x", 2}, {"", 0}, {".", 0},
      {"1e-999", 0}, {"1e999", kInf}, {"-1e999", -kInf}}) {
    EXPECT_EQ(Val(text), value) << '"' << text << '"';
  }
}

TEST(ParseNumber, ACommaSeparatorReadsACommaOrAPointAndWritesAComma) {
  // clang-format off
  for (auto [text, value] : std::vector<std::pair<const char*, double>>{
      {"0,9", 0.9}, {"12,7", 12.7}, {" -3,5e+2 ", -350}, {",5", 0.5}, {"5,", 5}, {"0.9", 0.9},
      {"1,5E-3", 0.0015}})
    EXPECT_EQ(ParseNumber(text, ','), value) << '"' << text << '"';
  for (const char* text : {"1,2,3", "1,.5", "1.,5", ",", "1 ,5", "1,5,", "1e2,5", "1;5"})
    EXPECT_FALSE(ParseNumber(text, ',').has_value()) << '"' << text << '"';
  // With '.' a comma ends the number, as it always did.
  for (auto [text, separator, value] : std::vector<std::tuple<const char*, char, double>>{
      {"12,7", '.', 12}, {"12,7", ',', 12.7}, {"3,5e2x", ',', 350}, {"1,5,3", ',', 1.5},
      {"-,25 and more", ',', -0.25}, {"2.5,5", ',', 2.5}})
    EXPECT_EQ(Val(text, separator), value) << '"' << text << "\" with " << separator;
  for (auto [value, text] : std::vector<std::pair<double, const char*>>{
      {6 * 0.9, "5,4"}, {2.0 / 3, "0,666666666666667"}, {0.0000012, "1,2E-06"}, {1e15, "1E+15"},
      {-12.7, "-12,7"}, {6, "6"}})
    EXPECT_EQ(FormatNumber(value, ','), text);
  EXPECT_EQ(base::FormatSingle(1080.0f / 860.0f, ','), "1,255814");
  // A number written and read back is the same double with either separator.
  for (double v : {0.1 + 0.2, 1.0 / 3, -2.5e300, 5e-324, 123456.789012345678, 0.893 * 0.9})
    for (char separator : {'.', ','})
      EXPECT_EQ(ParseNumber(FormatNumber(v, separator), separator), ParseNumber(FormatNumber(v)))
          << v << " with " << separator;
  for (auto [text, separator, shown] : std::vector<std::tuple<const char*, char, const char*>>{
      {"1.5", ',', "1,5"}, {" -0.9 ", ',', " -0,9 "}, {"0,9", ',', "0,9"}, {"1.5", '.', "1.5"},
      {"1,5", '.', "1,5"}, {"x.5", ',', "x.5"}, {"1.5.", ',', "1.5."}, {"1e5", ',', "1e5"}})
    EXPECT_EQ(base::WithDecimalSeparator(text, separator), shown) << '"' << text << '"';
  // clang-format on
}

TEST(Format, FifteenOrSevenDigitsOrExponentFormAndRoundingHalvesToEven) {
  for (auto [value, text] : std::vector<std::pair<double, const char*>>{
      {6 * 0.9, "5.4"}, {2.0 / 3, "0.666666666666667"}, {-0.0, "0"}, {0.0000012, "1.2E-06"},
      {0.000015, "0.000015"}, {1e15, "1E+15"}, {1234567890123456.0, "1.23456789012346E+15"},
      // Rounding can carry into the next power of ten; halves of the 16th digit go to even.
      {999999999999999.9, "1E+15"}, {0.0000099999999999999999, "0.00001"},
      {100000000000000.5, "100000000000000"}, {100000000000001.5, "100000000000002"}})
    EXPECT_EQ(FormatNumber(value), text);
  for (auto [value, text] : std::vector<std::pair<float, const char*>>{
      {1080.0f / 860.0f, "1.255814"}, {768.0f / 860.0f, "0.8930233"},
      {1.2345678e7f, "1.234568E+07"}})
    EXPECT_EQ(base::FormatSingle(value), text);
  for (double v : {kInf, -kInf, kNan}) EXPECT_FALSE(ParseNumber(FormatNumber(v)).has_value());
  // Rounding takes the binary value: 2.6665 is stored above the half, 2.6675 and 1.005 below.
  for (auto [v, decimals, want] : std::initializer_list<std::tuple<double, int, double>>{
      {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {2.5, -1, 2}, {-0.375, 2, -0.38}, {2.6665, 3, 2.667},
      {2.6675, 3, 2.667}, {1.005, 2, 1.0}, {1e20, 3, 1e20}})
    EXPECT_EQ(base::RoundHalfEven(v, decimals), want) << v << " to " << decimals;
  EXPECT_TRUE(std::isnan(base::RoundHalfEven(kNan, 3)));
  for (auto [v, int16, int32] : std::initializer_list<std::tuple<double, int, int32_t>>{
      {2.5, 2, 2}, {-3.5, -4, -4}, {450.6, 451, 451}, {40000, 32767, 40000},
      {-40000, -32768, -40000}, {2147483648.0, 32767, 2147483647}, {-kInf, -32768, INT32_MIN},
      {kNan, 0, 0}}) {
    // clang-format on
    EXPECT_EQ(base::ToInt16(v), int16) << v;
    EXPECT_EQ(base::ToInt32(v), int32) << v;
  }
}

}  // namespace
