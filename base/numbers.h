#pragma once
// How the program reads and writes numbers in text: the conversions that every
// field, caption and file value passes through. No Qt here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The whole text as a number: leading and trailing blanks, one leading sign,
// digits with at most one decimal point ('.') and an optional exponent
// (E or e, optional sign, digits). Empty text, a lone sign or point, or any
// other character makes it not a number. Blanks are spaces and tabs. The
// decimal point is always '.', whatever the C locale. A value beyond the double
// range is not a number; one below it reads as 0.
std::optional<double> ParseNumber(std::string_view text);

// The leading number of a text, 0 when it does not start with one (leading
// blanks skipped). Never fails: "12abc" is 12, "abc" is 0, "3.5e2x" is 350.
// An unfinished exponent is left out ("1e" is 1); beyond the double range the
// result is +-infinity.
double Val(std::string_view text);

// A 64-bit value as the program writes it into a field: up to 15 significant
// digits, no trailing zeros, no leading blank, "0." dropped to "0" ("0.5" keeps
// its leading zero); exponent form "1.2E-06", "1E+15" when the decimal
// exponent is below -5 or at least 15. Negative zero is written "0". Exact
// halves of the last digit go to even. Infinities and NaN are written "1.#INF",
// "-1.#INF" and "-1.#IND", which ParseNumber does not take for numbers.
std::string FormatNumber(double v);

// A 32-bit value written the same way with up to 7 significant digits
// (1080f / 860f is written "1.255814"); exponent form from 1E+07 on, where
// seven digits no longer hold the whole part.
std::string FormatSingle(float v);

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
