#pragma once
// The splash window shown before the main window, and the pause it waits
// while the event queue keeps running.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/services.h"

namespace app {

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
