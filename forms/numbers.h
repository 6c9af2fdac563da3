#pragma once
// How the program reads and writes numbers in text: the conversions that every
// field, caption and file value passes through. No Qt here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace num {

// The whole text as a number: leading and trailing blanks, one leading sign,
// digits with at most one decimal point ('.') and an optional exponent
// (E or e, optional sign, digits). Empty text, a lone sign or point, or any
// other character makes it not a number.
std::optional<double> ParseNumber(std::string_view text);

// The leading number of a text, 0 when it does not start with one (leading
// blanks skipped). Never fails: "12abc" is 12, "abc" is 0, "3.5e2x" is 350.
double Val(std::string_view text);

// A 64-bit value as the program writes it into a field: up to 15 significant
// digits, no trailing zeros, no leading blank, "0." dropped to "0" ("0.5" keeps
// its leading zero); exponent form "1.2E-06", "1E+15" when the decimal
// exponent is below -5 or at least 15. Negative zero is written "0".
std::string FormatNumber(double v);

// A 32-bit value written the same way with up to 7 significant digits
// (1080f / 860f is written "1.255814").
std::string FormatSingle(float v);

// Rounds to the given number of decimals, halves to even (2.5 -> 2,
// 2.6665 -> 2.666 or 2.667 as the binary value decides).
double RoundHalfEven(double v, int decimals = 0);

// Conversion to a 16-bit whole number, halves to even, clamped to
// -32768..32767 (the program never relies on an overflow).
int16_t ToInt16(double v);

// Conversion to a 32-bit whole number, halves to even, clamped.
int32_t ToInt32(double v);

}  // namespace num
