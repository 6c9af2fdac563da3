#pragma once
// The steps on a settings value that the window's handlers, the drawing and
// pictures drawn without a window all take: clearing the wheels above the
// wheel count, fitting the scales to the screen, the rotation count that
// closes a single-wheel curve.
#include <cstdint>

#include "model/picture_settings.h"

namespace model {

// For wheels 24 down to 4: a wheel above the wheel count gets size 0. Wheels
// 1 to 3 are never cleared. `loopIndex` is the shared loop counter the
// program's scripts can read (it ends at 3).
void ClearUnusedWheels(PictureSettings& s, int16_t& loopIndex);

// Clears the unused wheels, stores the picture's extent and writes the scales
// that make the largest picture just fit the screen into X and Y (3
// decimals). A picture without extent, or one so small that the scales would
// overflow, leaves the scales as they are.
void FitScale(PictureSettings& s, int16_t& loopIndex);

// Rotations becomes the count that closes the curve of wheels 1 and 2; a pair
// without one (a zero or fractional size) leaves it as it is.
void WriteClosingRotations(PictureSettings& s);

}  // namespace model
