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
    // The pause always runs its full length, whatever is clicked in it;
    // handlers (Draw, Random, the fields) may run inside it.
    const double start = w.machine.Timer();
    for (double elapsed = 0; elapsed < kSlidePauseSeconds;
         elapsed = base::ElapsedSeconds(start, w.machine.Timer()))
      w.form.WaitEvents(kSlidePauseSeconds - elapsed);
    w.form.DoEvents();  // handlers may run here too
  }
}

}  // namespace random_pictures
