#pragma once
// Scale fitting: the X and Y scales that make the largest possible picture
// just fit the screen, and the clearing of the wheels above the wheel count.
namespace window {
struct TrochelaMain;
}

namespace engine {

// Clears the unused wheels, stores the picture's extent and writes the fitted
// scales into TxtX and TxtY (3 decimals). An extent of 0 leaves the scales as
// they are.
void FitScale(window::TrochelaMain& w);

}  // namespace engine
