#include "base/curve_period.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace base {
namespace {

constexpr long long kLargestDenominator = 100000;
constexpr double kClosest = 1e-12;
constexpr long long kMostTurns = 1000000;
// Beyond this rate the products below could leave 64 bits.
constexpr double kFastestRate = 1e6;

}  // namespace

bool RateAsFraction(double rate, long long& p, long long& q) {
  if (!std::isfinite(rate) || std::fabs(rate) > kFastestRate) return false;
  // Continued fractions: the convergents are the best fractions of their size.
  long long p0 = 0, q0 = 1, p1 = 1, q1 = 0;
  double x = rate;
  for (int k = 0; k < 64; ++k) {
    const double a = std::floor(x);
    // A term this large makes a denominator past the largest.
    if (q1 > 0 && a > static_cast<double>(kLargestDenominator)) return false;
    const long long ai = static_cast<long long>(a);
    const long long p2 = ai * p1 + p0, q2 = ai * q1 + q0;
    if (q2 > kLargestDenominator) return false;
    p0 = p1, q0 = q1, p1 = p2, q1 = q2;
    if (std::fabs(static_cast<double>(p1) / static_cast<double>(q1) - rate) <=
        kClosest * std::max(1.0, std::fabs(rate))) {
      p = p1;
      q = q1;
      return true;
    }
    const double rest = x - a;
    if (rest == 0) return false;
    x = 1 / rest;
  }
  return false;
}

double ClosingParameter(const std::vector<double>& rates) {
  // With every rate a / Q over the common denominator Q, the terms close
  // after Q / gcd(a) turns.
  long long common = 1;
  std::vector<std::pair<long long, long long>> fractions;
  for (double rate : rates) {
    long long p = 0, q = 1;
    if (!RateAsFraction(rate, p, q)) return 0;
    if (p == 0) continue;
    fractions.emplace_back(p, q);
    common = std::lcm(common, q);
    if (common > kMostTurns) return 0;
  }
  long long divisor = 0;
  for (const auto& [p, q] : fractions) divisor = std::gcd(divisor, std::llabs(p) * (common / q));
  if (divisor == 0) return 0;
  return kTwoPi * static_cast<double>(common) / static_cast<double>(divisor);
}

}  // namespace base
