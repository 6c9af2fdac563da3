#pragma once
// The canvas raster: a persistent 32-bit image with the line and the flood
// fill that draw into it, and the mapping from canvas scale units to pixels.
// No Qt here; the on-screen canvas shows this image.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/pixel_memory.h"

namespace base {

// Colours at the program's interface are 0x00BBGGRR; pixels in the image are
// stored as 0xFFRRGGBB so that the screen can show the buffer as it is.
constexpr uint32_t ToPixel(uint32_t bgr) {
  return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
constexpr uint32_t FromPixel(uint32_t px) {
  return ((px >> 16) & 0xFFu) | (px & 0xFF00u) | ((px & 0xFFu) << 16);
}

// A pixel rectangle, x0..x1 and y0..y1 inclusive; empty when x0 > x1.
struct Rect {
  int x0 = 1, y0 = 1, x1 = 0, y1 = 0;
  bool Empty() const { return x0 > x1 || y0 > y1; }
  void Add(const Rect& r) {
    if (r.Empty()) return;
    if (Empty()) {
      *this = r;
      return;
    }
    if (r.x0 < x0) x0 = r.x0;
    if (r.y0 < y0) y0 = r.y0;
    if (r.x1 > x1) x1 = r.x1;
    if (r.y1 > y1) y1 = r.y1;
  }
  void Add(int x, int y) { Add(Rect{x, y, x, y}); }
};

// The longest side of a screen, a canvas or a loaded picture, in pixels.
constexpr int kMaxPictureSide = 16384;

struct Image {
  int width = 0;
  int height = 0;
  // Pixels from one row to the next: the width padded to an odd number of
  // 64-byte cache lines. Rows of a power-of-two size (1024 pixels is 4 KiB)
  // would all fall into the same cache sets, and a steep line, one pixel a
  // row, would evict its own rows; padded, consecutive rows spread over the
  // sets. The padding pixels keep the colour of the last Fill.
  int stride = 0;
  // Row-major, `stride` pixels a row, 0xFFRRGGBB.
  std::vector<uint32_t, PixelAllocator<uint32_t>> pixels;

  Image() = default;
  Image(int w, int h, uint32_t bgr);
  static int StrideFor(int width) {
    constexpr int kLine = 16;  // pixels in a cache line
    const int lines = (width + kLine - 1) / kLine;
    return (lines % 2 == 0 && lines > 0 ? lines + 1 : lines) * kLine;
  }
  uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * stride; }
  const uint32_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * stride; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // Colour 0x00BBGGRR at (x, y); -1 outside the image.
  int64_t Get(int x, int y) const;
  void Fill(uint32_t bgr);
};

// A line from (x0, y0) to (x1, y1) in pixels, both end points included.
// width <= 1: a one-pixel Bresenham line; wider: every pixel whose centre lies
// within width/2 of the segment (a line with round caps). Clipped to the
// image. Returns the rectangle of pixels it may have changed (clipped).
Rect DrawLine(Image& img, int x0, int y0, int x1, int y1, uint32_t bgr, int width);
// The same line, its rectangle added to `changed`: a drawing of many lines
// keeps one running rectangle.
void DrawLine(Image& img, int x0, int y0, int x1, int y1, uint32_t bgr, int width, Rect& changed);
// The same line; true when it changed the colour of a pixel (a line that
// retraces what is drawn, or lies off the image, changes none).
bool DrawLineChanging(Image& img, int x0, int y0, int x1, int y1, uint32_t bgr, int width);

// Flood fill of the surface around (x, y): every 4-connected pixel of the
// colour `target` (0x00BBGGRR) reachable from (x, y) becomes `fill`. Nothing
// happens when (x, y) is outside the image, is not of the target colour, or
// fill equals target. Returns the changed rectangle.
Rect FloodFillSurface(Image& img, int x, int y, uint32_t target, uint32_t fill);

// Canvas scale units to pixels: the canvas's ScaleLeft/ScaleTop/ScaleWidth/
// ScaleHeight over an image of width x height pixels. A unit coordinate maps
// to the pixel whose span contains it (floor).
struct Mapping;
// The mapping of a canvas that covers a screen of width x height pixels: 1.05
// units a pixel, the origin in the middle.
Mapping ScreenMapping(int width, int height);

struct Mapping {
  double scaleLeft = 0, scaleTop = 0, scaleWidth = 1, scaleHeight = 1;
  int width = 1, height = 1;
  int PixelX(double x) const { return PixelIndex(PositionX(x)); }
  int PixelY(double y) const { return PixelIndex(PositionY(y)); }
  // The position in pixels from the image's left or top edge, unrounded.
  double PositionX(double x) const { return (x - scaleLeft) * width / scaleWidth; }
  double PositionY(double y) const { return (y - scaleTop) * height / scaleHeight; }
  // A pixel position in units: a whole px is the left (top) edge of pixel px;
  // the mouse gives fractional positions.
  double UnitX(double px) const;
  double UnitY(double py) const;

  // Far enough outside any image that a line to it is still drawn in the
  // right direction, small enough that pixel arithmetic on it never
  // overflows; NaN lands far outside too.
  static double Clamp(double v) {
    constexpr double kLimit = 1e9;
    if (std::isnan(v)) return INT_MIN / 2;
    return v < -kLimit ? -kLimit : v > kLimit ? kLimit : v;
  }
  // The pixel of a clamped position: the floor, from the conversion that cuts
  // towards zero.
  static int PixelOfClamped(double c) {
    const int i = static_cast<int>(c);
    return i - (static_cast<double>(i) > c);
  }
  static int PixelIndex(double v) { return PixelOfClamped(Clamp(v)); }
};

inline Mapping ScreenMapping(int width, int height) {
  Mapping m;
  m.width = width;
  m.height = height;
  m.scaleHeight = static_cast<float>(height) * 1.05;
  m.scaleWidth = static_cast<float>(width) * 1.05;
  m.scaleTop = -m.scaleHeight / 2;
  m.scaleLeft = -m.scaleWidth / 2;
  return m;
}

}  // namespace base
