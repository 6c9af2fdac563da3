#pragma once
// The splash window shown before the main window, and the pause it waits
// while the event queue keeps running.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/services.h"

namespace app {

constexpr double kSecondsPerDay = 86400;

// Seconds from `start` to `now`, both read from a clock of seconds since
// midnight: a reading below the start means the clock passed midnight.
inline double ElapsedSeconds(double start, double now) {
  const double elapsed = now - start;
  return elapsed < 0 ? elapsed + kSecondsPerDay : elapsed;
}

// Returns once `seconds` have elapsed on the form's clock, yielding to the
// event queue between readings.
void PauseSeconds(forms::Form& form, double seconds);

struct TrochelaSplash {
  explicit TrochelaSplash(forms::Services& services);
  TrochelaSplash(const TrochelaSplash&) = delete;
  TrochelaSplash& operator=(const TrochelaSplash&) = delete;

  forms::Form form;
  forms::Label lblProductName;
  forms::Label lblVersion;
  forms::Label lblCredit;
};

}  // namespace app
