#pragma once
// Scale fitting: the X and Y scales that make the largest possible picture
// just fit the screen, and the clearing of the wheels above the wheel count.
namespace window {
struct TrochelaMain;
}

namespace engine {

// For wheels 24 down to 4: a wheel above the wheel-count caption's number gets
// size 0. Wheels 1 to 3 are never cleared.
void ClearUnusedWheels(window::TrochelaMain& w);

// Clears the unused wheels, stores the picture's extent and writes the fitted
// scales into TxtX and TxtY (3 decimals). An extent of 0 leaves the scales as
// they are.
void FitScale(window::TrochelaMain& w);

}  // namespace engine
