#pragma once
// The splash window shown before the main window, and the pause it waits
// while the event queue keeps running.
#include "base/clock.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/services.h"

namespace app {

// Returns once `seconds` have elapsed on the form's clock, yielding to the
// event queue between readings (on a real clock it sleeps until the next
// event or the end). Any handler may run inside.
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
