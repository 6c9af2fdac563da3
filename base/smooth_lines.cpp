#include "base/smooth_lines.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace base {
namespace {

constexpr int kS = kSmoothFactor;
static_assert(kS == 4, "a pixel's sub-pixels are the 16 bits of its mask");
// Canvas pixels whose masks are kept at a time: a band of whole rows, 8 MB of
// masks whatever the picture's size.
constexpr int64_t kBandPixels = int64_t(1) << 22;

// The sub-pixels of one colour's lines over a band of canvas rows: a 4x4
// mask a pixel, bit 4*row + column, and the pixels whose mask is not empty.
int64_t FloorDiv(int64_t v) { return v >= 0 ? v / kS : -((-v + kS - 1) / kS); }

class Coverage {
 public:
  Coverage(int width, int rows) : width_(width), rows_(rows), mask_(size_t(width) * rows) {}
  // The band starts at canvas row `top`.

  void Start(int top) { top_ = top; }

  // Fine columns xa..xb of fine row y.
  void Span(int64_t xa, int64_t xb, int64_t y) {
    const int64_t row = FloorDiv(y);
    const int shift = static_cast<int>(y - row * kS) * kS;
    xa = std::max<int64_t>(xa, 0);
    xb = std::min<int64_t>(xb, int64_t(width_) * kS - 1);
    for (int64_t x = xa; x <= xb; ++x) Set(row, FloorDiv(x), 1u << (shift + x % kS));
  }

  // Sets the bits of four pixels in a row (across) or a column (down), 16
  // bits a pixel, starting at pixel (column, row).
  void SetFour(int64_t row, int64_t column, uint64_t bits, bool across) {
    for (int q = 0; q < 4; ++q, across ? ++column : ++row)
      if (const uint32_t piece = (bits >> (16 * q)) & 0xFFFF) Set(row, column, piece);
  }

  // Blends the colour over the band of `picture` by each pixel's share of
  // covered sub-pixels and empties the masks.
  void Flush(Image& picture, uint32_t bgr) {
    const uint32_t c = ToPixel(bgr);
    for (const uint32_t i : touched_) {
      const uint32_t n = std::popcount(mask_[i]);
      mask_[i] = 0;
      uint32_t& out = picture.Row(top_ + static_cast<int>(i / width_))[i % width_];
      const uint32_t under = out;
      uint32_t px = 0xFF000000u;
      for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t a = (under >> shift) & 0xFF, b = (c >> shift) & 0xFF;
        px |= ((a * (kS * kS - n) + b * n + kS * kS / 2) / (kS * kS)) << shift;
      }
      out = px;
    }
    touched_.clear();
  }

 private:
  // Sets mask bits of pixel (column, row), when it lies in the band.
  void Set(int64_t row, int64_t column, uint32_t bits) {
    row -= top_;
    if (row < 0 || row >= rows_ || column < 0 || column >= width_) return;
    const uint32_t i = static_cast<uint32_t>(row * width_ + column);
    if (mask_[i] == 0) touched_.push_back(i);
    mask_[i] |= static_cast<uint16_t>(bits);
  }

  int width_, rows_, top_ = 0;
  std::vector<uint16_t> mask_;
  std::vector<uint32_t> touched_;
};

// Cuts the segment to the box [lo, hi] in both coordinates; false when
// nothing of it lies inside.
bool Clip(double& x0, double& y0, double& x1, double& y1, double loX, double loY, double hiX,
          double hiY) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - loX, hiX - x0, y0 - loY, hiY - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 = ax;
  y0 = ay;
  return true;
}

// The canvas's one-pixel line on the fine grid, kS sub-pixels thick across
// its minor axis, so that each step along the major axis covers what a pixel
// of the plain line covers. The steps of one pixel along the major axis
// gather their bits for the four pixels across from it before they are set.
void ThinFine(Coverage& cov, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t n = std::max(std::abs(dx), std::abs(dy));
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  // Fixed point along the minor axis, rounded to the nearest fine pixel.
  const int64_t slope = n == 0 ? 0 : ((xMajor ? dy : dx) * (int64_t(1) << 32)) / n;
  int64_t acc = (minor0 << 32) + (int64_t(1) << 31);
  int64_t pixel = INT64_MIN, base = 0;  // the major pixel gathered, its first minor pixel
  uint64_t bits = 0;
  auto flush = [&] {
    if (bits) xMajor ? cov.SetFour(base, pixel, bits, false) : cov.SetFour(pixel, base, bits, true);
    bits = 0;
  };
  const int64_t first = n == 0 ? -kS / 2 : 0, last = n == 0 ? kS - kS / 2 - 1 : n;
  for (int64_t i = first; i <= last; ++i) {
    const int64_t major = major0 + majorStep * i;
    const int64_t m = (acc >> 32) - kS / 2;  // the bar covers m..m+kS-1
    if (n != 0) acc += slope;
    const int64_t p = FloorDiv(major);
    if (p != pixel) {
      flush();
      pixel = p;
      base = FloorDiv(m) - 1;
    }
    const int64_t o = m - base * kS;  // 1..12 within the four pixels
    const int j = static_cast<int>(major - p * kS);
    if (xMajor) {
      // Fine row f of column j is bit 4f + j: the bar is rows o..o+3.
      bits |= uint64_t(0x1111) << (4 * o + j);
    } else {
      // Fine column f = 4q + c of row j is bit 16q + 4j + c.
      const int64_t q = o / kS, c = o % kS;
      bits |= (((uint64_t(0xF) << c) & 0xF) << (16 * q + 4 * j)) |
              (uint64_t(0xF >> (kS - c)) << (16 * (q + 1) + 4 * j));
    }
  }
  flush();
}

// A pen wider than a pixel: the capsule of its width round the segment, row
// by row on the fine grid.
void WideFine(Coverage& cov, double ax, double ay, double bx, double by, double r) {
  const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
  const int64_t top = static_cast<int64_t>(std::floor(std::min(ay, by) - r));
  const int64_t bottom = static_cast<int64_t>(std::ceil(std::max(ay, by) + r));
  for (int64_t yi = top; yi <= bottom; ++yi) {
    const double y = yi + 0.5;
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
      const double h = r * r - (y - py) * (y - py);
      if (h >= 0) lo = std::min(lo, px - std::sqrt(h)), hi = std::max(hi, px + std::sqrt(h));
    }
    if (len2 > 0 && dy != 0) {
      // Between the perpendiculars through both ends, within r of the line.
      const double len = std::sqrt(len2);
      const double xc = ax + dx * ((y - ay) / dy), half = r * len / std::fabs(dy);
      double blo = xc - half, bhi = xc + half;
      if (dx != 0) {
        double e0 = ax - dy * ((y - ay) / dx), e1 = bx - dy * ((y - by) / dx);
        if (e0 > e1) std::swap(e0, e1);
        blo = std::max(blo, e0);
        bhi = std::min(bhi, e1);
      }
      if (blo <= bhi) lo = std::min(lo, blo), hi = std::max(hi, bhi);
    } else if (len2 > 0 && std::fabs(y - ay) <= r) {
      lo = std::min(lo, std::min(ax, bx));
      hi = std::max(hi, std::max(ax, bx));
    }
    if (lo > hi) continue;
    cov.Span(static_cast<int64_t>(std::ceil(lo - 0.5)), static_cast<int64_t>(std::floor(hi - 0.5)),
             yi);
  }
}

}  // namespace

void DrawSmooth(const LineLog& log, Image& picture) {
  if (picture.width <= 0 || picture.height <= 0 || log.Runs().empty()) return;
  const auto& points = log.Points();
  const int rows = static_cast<int>(
      std::clamp<int64_t>(kBandPixels / picture.width, 1, picture.height));
  Coverage cov(picture.width, rows);
  // A little beyond the picture, so that clipped lines keep their direction
  // where they enter it.
  const double margin = 64.0 * kS;
  for (int top = 0; top < picture.height; top += rows) {
    cov.Start(top);
    const int bandRows = std::min(rows, picture.height - top);
    const double loY = double(top) * kS - margin, hiY = double(top + bandRows) * kS + margin;
    const double hiX = double(picture.width) * kS + margin;
    const auto& runs = log.Runs();
    for (size_t k = 0; k < runs.size(); ++k) {
      const LineRun& run = runs[k];
      const size_t end = log.RunEnd(k);
      for (size_t i = run.first; i + 1 < end; ++i) {
        double x0 = points[i].x * double(kS), y0 = points[i].y * double(kS);
        double x1 = points[i + 1].x * double(kS), y1 = points[i + 1].y * double(kS);
        if (!Clip(x0, y0, x1, y1, -margin, loY, hiX, hiY)) continue;
        if (run.width > 1) {
          WideFine(cov, x0, y0, x1, y1, run.width * kS / 2.0);
        } else {
          ThinFine(cov, static_cast<int64_t>(std::floor(x0)), static_cast<int64_t>(std::floor(y0)),
                   static_cast<int64_t>(std::floor(x1)), static_cast<int64_t>(std::floor(y1)));
        }
      }
      // Lines of one colour make one layer; the next colour lies over it.
      if (k + 1 == runs.size() || runs[k + 1].bgr != run.bgr) cov.Flush(picture, run.bgr);
    }
  }
}

Ink MeasureInk(const Image& picture) {
  Ink ink;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t green = (picture.Row(y)[x] >> 8) & 0xFF;
      ink.sum += 255 - green;
      ink.inked += green != 255;
      ink.partial += green != 255 && green != 0;
    }
  return ink;
}

}  // namespace base
