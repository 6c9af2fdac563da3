// The splash window: the program's name and version in green over a line in
// red, each label placed so that its text sits centred in the window.
#include "app/splash.h"

namespace app {

namespace {

constexpr uint32_t kGreen = 0x00C000;  // RGB 0, 192, 0
constexpr uint32_t kRed = 0x0000FF;

}  // namespace

TrochelaSplash::TrochelaSplash(forms::Services& services)
    : form("TrochelaSplash", services),
      lblProductName(form, "lblProductName", nullptr),
      lblVersion(form, "lblVersion", nullptr),
      lblCredit(form, "lblCredit", nullptr) {
  form.SetPixelSize(6030 / forms::kTwipsPerPixel, 2235 / forms::kTwipsPerPixel);

  lblProductName.Move({2205, 300, 1800, 540});
  lblProductName.SetFont("Arial", 18, true);
  lblProductName.SetForeColor(kGreen);
  lblProductName.SetCaption("Trochela!");

  lblVersion.Move({2310, 930, 1620, 375});
  lblVersion.SetFont("Arial", 12, true);
  lblVersion.SetForeColor(kGreen);
  lblVersion.SetCaption("Version 1.81");

  lblCredit.Move({1980, 1590, 2250, 270});
  lblCredit.SetFont("Arial", 8, false);
  lblCredit.SetForeColor(kRed);
  lblCredit.SetCaption("Roulette curves for doodling");
}

void PauseSeconds(forms::Form& form, double seconds) {
  forms::Services& clock = form.Services();
  const double start = clock.Timer();
  for (double elapsed = 0; elapsed < seconds; elapsed = base::ElapsedSeconds(start, clock.Timer()))
    form.WaitEvents(seconds - elapsed);
}

}  // namespace app
