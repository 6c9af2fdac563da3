#pragma once
// The greatest common divisor of the two single-wheel sizes and the number of
// rotations (radians of the curve parameter) after which the curve closes.
// No Qt here.
#include <optional>
#include <string>
#include <string_view>

namespace base {

inline constexpr char kInvalidArgument[] = "ERROR: Invalid numeric argument(s)";
inline constexpr char kZeroArgument[] = "ERROR: Argument(s) must be non-zero";

// Either the divisor (ok, value > 0, text its decimal digits) or a failure
// (not ok, value 0, text one of the two error texts above).
struct GcdResult {
  bool ok = false;
  long long value = 0;
  std::string text;
};

// The divisor of two whole numbers, signs ignored. Checked in this order: both
// must be numbers (a text counts when it reads as a number as a whole), then
// both whole (so 0 and 2.5 is an invalid argument, not a zero one) and within
// +-1e15, then both non-zero. NaN and infinities are invalid.
GcdResult GCD(std::string_view first, std::string_view second);
GcdResult GCD(double first, double second);

// The closing rule |Int(7 * (size2 / gcd(size1, size2)))|: 7 radians per
// revolution of the rolling wheel's centre, for the |size2| / gcd revolutions
// that close the curve. Empty when the divisor fails (a zero or fractional
// size).
std::optional<long long> ClosingRotationCount(double size1, double size2);

}  // namespace base
