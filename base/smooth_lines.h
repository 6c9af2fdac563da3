#pragma once
// The lines of a log drawn smoothly: the same line raster the canvas uses,
// run on a grid kSmoothFactor times finer in each direction, and each pixel
// then given the mean colour of its sub-pixels. A sub-pixel takes the colour
// of the last line over it, as a pixel does on the canvas, so a path drawn
// over itself stays as thin as when drawn once and crossing colours keep
// their order; only the edges soften.
#include <cstddef>
#include <cstdint>

#include "base/line_log.h"
#include "base/raster.h"

namespace base {

constexpr int kSmoothFactor = 4;

// Draws the log's lines smoothly over `picture`, which holds what lies under
// them (the background or the log's picture) and has the canvas's size.
// Only the segments that end before point `upTo` of the log when given (a
// drawing growing, base/animation_frames.h).
void DrawSmooth(const LineLog& log, Image& picture, size_t upTo = SIZE_MAX);

// The ink of a picture of lines without green on white: the sum of 255 minus
// green over all pixels, the pixels with any ink, and those partly inked
// (green neither 0 nor 255), as the smooth picture is measured against the
// plain one.
struct Ink {
  double sum = 0;
  long inked = 0, partial = 0;
};
Ink MeasureInk(const Image& picture);

}  // namespace base
