#include "random/slideshow.h"

#include "base/clock.h"
#include "random/random_picture.h"
#include "window/trochela_main.h"

namespace random_pictures {

void CmdSlide_Click(window::TrochelaMain& w) {
  if (w.SlideshowRunning) {
    // The loop below sees this at its next check.
    w.SlideshowRunning = 0;
    w.CmdSlide.SetPressed(false);
    return;
  }
  w.SlideshowRunning = -1;
  w.CmdSlide.SetPressed(true);
  while (w.SlideshowRunning) {
    CmdRandom_Click(w);
    PauseAfterPicture(w);
    w.form.DoEvents();  // handlers may run here too
  }
}

void PauseAfterPicture(window::TrochelaMain& w) {
  // Handlers (Draw, Random, the fields, Slide itself) may run inside.
  const double start = w.services.Timer();
  for (double elapsed = 0; elapsed < kSlidePauseSeconds;
       elapsed = base::ElapsedSeconds(start, w.services.Timer()))
    w.form.WaitEvents(kSlidePauseSeconds - elapsed);
}

}  // namespace random_pictures
