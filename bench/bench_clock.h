#pragma once
// Processor time for the benchmarks: the time a thread or the whole process
// (Qt may draw and encode on a pool of threads) spent running, so that other
// programs on a shared machine cost nothing; the best of several rounds.
#include <time.h>

#include <algorithm>

namespace bench {

inline double CpuSeconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline double ThreadSeconds() { return CpuSeconds(CLOCK_THREAD_CPUTIME_ID); }
inline double ProcessSeconds() { return CpuSeconds(CLOCK_PROCESS_CPUTIME_ID); }

// The shortest of `rounds` runs of f on `clock`.
template <class F>
double BestSeconds(int rounds, F f, clockid_t clock = CLOCK_THREAD_CPUTIME_ID) {
  double best = 1e9;
  for (int i = 0; i < rounds; ++i) {
    const double t0 = CpuSeconds(clock);
    f();
    best = std::min(best, CpuSeconds(clock) - t0);
  }
  return best;
}

}  // namespace bench
