#pragma once
// The slideshow: one random picture after another, with a pause after each,
// until Slide is clicked again.
namespace window {
struct TrochelaMain;
}

namespace random_pictures {

constexpr double kSlidePauseSeconds = 5;

// In an idle window: starts the show and returns only when it ends. While
// the show runs: ends it after the current picture and its pause (the button
// stays usable during a drawing). The pictures and the pauses yield to the
// event queue, so any handler may run inside, this one included: a click
// while the show is ending starts a new show inside the old one, which ends
// when the new one has ended.
void CmdSlide_Click(window::TrochelaMain& w);

// The pause after each picture: its full length on the machine's clock,
// whatever is clicked in it. Yields to the event queue (sleeping until the
// next event on a real clock), so any handler may run inside.
void PauseAfterPicture(window::TrochelaMain& w);

}  // namespace random_pictures
