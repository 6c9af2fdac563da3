#include "base/closing_rotation.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "base/numbers.h"

namespace base {

namespace {

// Whole numbers up to here are exact in a double with room to spare, and the
// closing rule's 7 times them still is.
constexpr double kLargest = 1e15;

GcdResult Failure(const char* text) { return GcdResult{false, 0, text}; }

}  // namespace

GcdResult GCD(std::string_view first, std::string_view second) {
  const std::optional<double> a = base::ParseNumber(first);
  const std::optional<double> b = base::ParseNumber(second);
  if (!a || !b) return Failure(kInvalidArgument);
  return GCD(*a, *b);
}

GcdResult GCD(double first, double second) {
  for (double v : {first, second}) {
    if (!std::isfinite(v) || std::fabs(v) > kLargest || std::trunc(v) != v)
      return Failure(kInvalidArgument);
  }
  long long a = std::llabs(static_cast<long long>(first));
  long long b = std::llabs(static_cast<long long>(second));
  if (a == 0 || b == 0) return Failure(kZeroArgument);
  if (a < b) std::swap(a, b);
  long long r;
  do {
    const long long q = a / b;
    r = a - b * q;
    a = b;
    b = r;
  } while (r != 0);
  return GcdResult{true, a, std::to_string(a)};
}

std::optional<long long> ClosingRotationCount(double size1, double size2) {
  const GcdResult g = GCD(size1, size2);
  if (!g.ok) return std::nullopt;
  const double count = std::floor(7 * (size2 / static_cast<double>(g.value)));
  return static_cast<long long>(std::fabs(count));
}

}  // namespace base
