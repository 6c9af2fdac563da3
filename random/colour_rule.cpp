#include "random/colour_rule.h"

#include <algorithm>
#include <cmath>

#include "base/rnd.h"

namespace random_pictures {
namespace {

// Int(r * range / step) * step, the product formed in double precision.
int32_t Steps(base::Rnd& rnd, double range, int step) {
  const double r = rnd.Next();
  return static_cast<int32_t>(std::floor(r * range / step)) * step;
}

}  // namespace

base::Rgb PickColour(base::Rnd& rnd, int colorDepth) {
  base::Rgb c;
  if (colorDepth == 16) {
    c.red = Steps(rnd, 257, 8);
    c.green = Steps(rnd, 257, 4);
    c.blue = Steps(rnd, 257, 8);
  } else {
    c.red = Steps(rnd, 256, 1);
    c.green = Steps(rnd, 256, 1);
    c.blue = Steps(rnd, 256, 1);
  }
  return c;
}

uint32_t ShownColour(const base::Rgb& c) {
  return base::RgbColor({std::min(c.red, 255), std::min(c.green, 255), std::min(c.blue, 255)});
}

}  // namespace random_pictures
