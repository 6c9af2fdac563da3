#pragma once
// Random: a picture drawn from settings picked at random, where the user has
// left them open to chance (the per-wheel flags, Col. Refresh, Scale Refresh
// and the resolution box).
namespace window {
struct TrochelaMain;
}

namespace random_pictures {

// Picks in a fixed order of draws, so that the same seed and the same
// settings give the same pictures: wheel 1's size, then size and sign of each
// flagged wheel 2..24, then (multi-wheel mode) ratio and sign of each flagged
// wheel 1..24, then red, green, blue, then the resolution. Then shows the
// wheel being edited, clears the wheels above the count, sets the rotations
// and draws as Draw would. The drawing yields to the event queue: any handler
// of the window, a nested Random or slideshow included, may run inside.
void CmdRandom_Click(window::TrochelaMain& w);

}  // namespace random_pictures
