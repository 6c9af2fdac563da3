#pragma once
// Elapsed time on a clock of seconds since midnight.
namespace base {

constexpr double kSecondsPerDay = 86400;

// Seconds from `start` to `now`, both read from a clock of seconds since
// midnight: a reading below the start means the clock passed midnight.
inline double ElapsedSeconds(double start, double now) {
  const double elapsed = now - start;
  return elapsed < 0 ? elapsed + kSecondsPerDay : elapsed;
}

}  // namespace base
