#pragma once
// How the program reads and writes numbers in text: the conversions that every
// field, caption and file value passes through. No Qt here.
//
// A decimal separator is '.' or ','. Reading with ',' takes '.' as well (a
// parameter file keeps '.', and its text goes into the fields unchanged);
// reading with '.' takes only '.'. Writing with a separator writes it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The decimal separator the user reads and types numbers with: '.' until the
// program's start sets the desktop's (SetUserDecimalSeparator), once, before
// any other thread runs. Fields read and write with it, and files are read
// with it; files are always written with '.'. Pictures drawn without a window
// never set it, so that their fields, and so their bytes, are the same under
// every locale.
char UserDecimalSeparator();
// Sets the user's separator, '.' or ','; false, changing nothing, for any
// other character or when it was set already.
bool SetUserDecimalSeparator(char separator);

// The whole text as a number: leading and trailing blanks, one leading sign,
// digits with at most one decimal mark (the separator, or '.') and an optional
// exponent (E or e, optional sign, digits). Empty text, a lone sign or mark,
// or any other character makes it not a number. Blanks are spaces and tabs.
// The C locale plays no part. A value beyond the double range is not a number;
// one below it reads as 0.
std::optional<double> ParseNumber(std::string_view text, char separator = '.');

// The leading number of a text, 0 when it does not start with one (leading
// blanks skipped). Never fails: "12abc" is 12, "abc" is 0, "3.5e2x" is 350.
// An unfinished exponent is left out ("1e" is 1); beyond the double range the
// result is +-infinity. The decimal mark is read as ParseNumber reads it.
double Val(std::string_view text, char separator = '.');

// A 64-bit value as the program writes it into a field: up to 15 significant
// digits, no trailing zeros, no leading blank, "0." dropped to "0" ("0.5" keeps
// its leading zero); exponent form "1.2E-06", "1E+15" when the decimal
// exponent is below -5 or at least 15. Negative zero is written "0". Exact
// halves of the last digit go to even. Infinities and NaN are written "1.#INF",
// "-1.#INF" and "-1.#IND", which ParseNumber does not take for numbers. The
// decimal mark is the separator given; a text read back with that separator
// gives the same double whichever separator it is.
std::string FormatNumber(double v, char separator = '.');

// A 32-bit value written the same way with up to 7 significant digits
// (1080f / 860f is written "1.255814"); exponent form from 1E+07 on, where
// seven digits no longer hold the whole part.
std::string FormatSingle(float v, char separator = '.');

// A number text with its decimal mark written as `separator` ("1.5" is
// "1,5" with ','); a text that is not a number as ParseNumber reads it with
// that separator stays as it is.
std::string WithDecimalSeparator(std::string text, char separator);

// Rounds to the given number of decimals, halves to even (2.5 -> 2,
// 2.6665 -> 2.666 or 2.667 as the binary value decides: the exact binary value
// is rounded, not a product with a power of ten). Fewer than 0 decimals count
// as 0; infinities and NaN are returned as they are.
double RoundHalfEven(double v, int decimals = 0);

// Conversion to a 16-bit whole number, halves to even, clamped to
// -32768..32767 (the program never relies on an overflow). NaN gives 0.
int16_t ToInt16(double v);

// Conversion to a 32-bit whole number, halves to even, clamped. NaN gives 0.
int32_t ToInt32(double v);

}  // namespace base
