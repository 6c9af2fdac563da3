#pragma once
// Where a curve closes: a pass's point is a sum of terms turning at fixed
// rates of the curve parameter (the wheels, and the outline's sides), so the
// curve repeats itself once every term has turned a whole number of times.
// No Qt here.
#include <vector>

namespace base {

// A whole turn to double precision (the drawing's own kPi, in
// base/curve_math.h, is shorter, and drawings keep it).
inline constexpr double kTwoPi = 6.283185307179586;

// A rate as a fraction p / q (q > 0) within 1e-12 of it, q at most
// 100000; false for a rate no such fraction gives.
bool RateAsFraction(double rate, long long& p, long long& q);

// The curve parameter after which terms turning at `rates` (turns of the
// term for one turn of the parameter) have all come back where they
// started: 2π times the smallest L with every L * rate whole; 0 when the
// rates have no such L (or an L past a million turns).
double ClosingParameter(const std::vector<double>& rates);

}  // namespace base
