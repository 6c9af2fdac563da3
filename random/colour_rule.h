#pragma once
// The random colour that Random, the colour bar and the slideshow pick.
#include <cstdint>

#include "base/colours.h"

namespace base {
class Rnd;
}

namespace random_pictures {

// Three draws, red, green, blue. On a 16-bit display red and blue come in
// steps of 8 and green in steps of 4, each 0 to 256; otherwise each is 0 to
// 255.
base::Rgb PickColour(base::Rnd& rnd, int colorDepth);

// The colour shown for components that may hold 256: such a component counts
// as 255.
uint32_t ShownColour(const base::Rgb& c);

}  // namespace random_pictures
