#pragma once
// The drawing colour: the pen's colour, the colour bar that shows it, and the
// components the gradient steps from.
#include <cstdint>

#include "base/colours.h"

namespace window {

struct TrochelaMain;

// Sets the components and the colour shown. They differ where the shown
// colour is reduced to what the display can show, or where a component of
// 256 (a 16-bit display's random step) is shown as 255.
void SetDrawingColour(TrochelaMain& w, const base::Rgb& components, uint32_t shown);

}  // namespace window
