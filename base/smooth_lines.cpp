#include "base/smooth_lines.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace base {
namespace {

constexpr int kS = kSmoothFactor;
static_assert(kS == 4, "a pixel's sub-pixels are the 16 bits of its mask");
// Canvas pixels whose masks are kept at a time: a band of whole rows, at most
// 8 MB of masks whatever the picture's size (a 1920x1080 picture is one band;
// smaller bands that stay in the cache measured slower, as every band reads
// all the lines again).
constexpr int64_t kBandPixels = int64_t(1) << 22;

int64_t FloorDiv(int64_t v) { return v >= 0 ? v / kS : -((-v + kS - 1) / kS); }

// The sub-pixels of one colour's lines over a band of canvas rows: a 4x4
// mask a pixel, bit 4*row + column, and the pixels whose mask is not empty.
// Rows and fine rows are the canvas's own; the band keeps those it holds.
class Coverage {
 public:
  Coverage(int width, int rows) : width_(width), rows_(rows), mask_(size_t(width) * rows) {}

  // The band starts at canvas row `top`.
  void Start(int top) { top_ = top; }
  // Narrows fine rows top..bottom to those of the band.
  void KeepFineRows(int64_t& top, int64_t& bottom) const {
    top = std::max<int64_t>(top, int64_t(top_) * kS);
    bottom = std::min<int64_t>(bottom, (int64_t(top_) + rows_) * kS - 1);
  }

  // Fine columns xa[r]..xb[r] of the fine rows r = 0..3 of canvas row
  // `row` (none where xa[r] > xb[r]), set a pixel at a time.
  void Spans(int64_t row, const int64_t (&xa)[kS], const int64_t (&xb)[kS]) {
    int64_t lo = INT64_MAX, hi = INT64_MIN;
    for (int r = 0; r < kS; ++r)
      if (xa[r] <= xb[r]) lo = std::min(lo, xa[r]), hi = std::max(hi, xb[r]);
    if (lo > hi) return;
    lo = std::max<int64_t>(lo, 0);
    hi = std::min<int64_t>(hi, int64_t(width_) * kS - 1);
    for (int64_t pixel = FloorDiv(lo); pixel <= FloorDiv(hi); ++pixel) {
      uint32_t bits = 0;
      for (int r = 0; r < kS; ++r) {
        const int64_t from = std::max(xa[r], pixel * kS), to = std::min(xb[r], pixel * kS + kS - 1);
        if (from <= to)
          bits |= ((0xFu << (from - pixel * kS)) & (0xFu >> (kS - 1 - (to - pixel * kS))))
                  << (4 * r);
      }
      if (bits) Set(row - top_, pixel, bits);
    }
  }

  // Sets the bits of four pixels in a row (across) or a column (down), 16
  // bits a pixel, starting at pixel (column, row).
  void SetFour(int64_t row, int64_t column, uint64_t bits, bool across) {
    row -= top_;
    // Inside the band and the picture with room for all four: no checks.
    if (row >= 0 && column >= 0 &&
        (across ? row < rows_ && column + 3 < width_ : row + 3 < rows_ && column < width_)) {
      uint16_t* m = mask_.data() + row * width_ + column;
      const ptrdiff_t step = across ? 1 : width_;
      while (bits) {
        const int q = std::countr_zero(bits) / 16;
        Mark(m + q * step, static_cast<uint16_t>(bits >> (16 * q)));
        bits &= ~(uint64_t(0xFFFF) << (16 * q));
      }
      return;
    }
    for (int q = 0; q < 4; ++q, across ? ++column : ++row)
      if (const uint32_t piece = (bits >> (16 * q)) & 0xFFFF) Set(row, column, piece);
  }

  // Blends the colour over the band of `picture` by each pixel's share of
  // covered sub-pixels and empties the masks. Many touched pixels are taken
  // row by row, which reads the picture in its order; a few from their list.
  void Flush(Image& picture, uint32_t bgr) {
    const uint32_t c = ToPixel(bgr);
    if (scan_) {
      for (int r = 0; r < rows_; ++r) {
        uint16_t* m = mask_.data() + size_t(r) * width_;
        uint32_t* out = picture.Row(top_ + r);
        for (int x = 0; x < width_; ++x)
          if (m[x]) out[x] = Blend(out[x], c, std::exchange(m[x], 0));
      }
    } else {
      for (const uint32_t i : touched_) {
        uint32_t& out = picture.Row(top_ + static_cast<int>(i / width_))[i % width_];
        out = Blend(out, c, std::exchange(mask_[i], 0));
      }
    }
    touched_.clear();
    scan_ = false;
  }

 private:
  // `under` with `c` over the mask's share of it.
  static uint32_t Blend(uint32_t under, uint32_t c, uint16_t mask) {
    const uint32_t n = std::popcount(mask);
    uint32_t px = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
      const uint32_t a = (under >> shift) & 0xFF, b = (c >> shift) & 0xFF;
      px |= ((a * (kS * kS - n) + b * n + kS * kS / 2) / (kS * kS)) << shift;
    }
    return px;
  }

  // Sets mask bits of pixel (column, row), when it lies in the band.
  // (row is within the band here, counted from its top.)
  void Set(int64_t row, int64_t column, uint32_t bits) {
    if (row < 0 || row >= rows_ || column < 0 || column >= width_) return;
    Mark(mask_.data() + row * width_ + column, static_cast<uint16_t>(bits));
  }
  // A pixel's first bits put it on the list, until the list is so long that
  // the flush reads every mask anyway.
  void Mark(uint16_t* m, uint16_t bits) {
    if (*m == 0 && !scan_) {
      touched_.push_back(static_cast<uint32_t>(m - mask_.data()));
      scan_ = touched_.size() * 16 > mask_.size();
    }
    *m |= bits;
  }

  int width_, rows_, top_ = 0;
  std::vector<uint16_t> mask_;
  std::vector<uint32_t> touched_;
  bool scan_ = false;
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
// of the plain line covers. Along the major axis the line is sampled
// kSamples times a pixel, each sample standing for kS / kSamples fine
// columns (rows); the bits of one pixel along the major axis are gathered
// for the four pixels across from it before they are set.
constexpr int kSamples = 2, kSampleWidth = kS / kSamples;

// Fine columns o..o+3 of the top fine row of four pixels side by side, 16
// bits a pixel (fine column f = 4q + c is bit 16q + c).
constexpr auto kBarAcross = [] {
  std::array<uint64_t, 16> bars{};
  for (int o = 0; o < 13; ++o)
    for (int f = o; f < o + kS; ++f) bars[o] |= uint64_t(1) << (16 * (f / kS) + f % kS);
  return bars;
}();

// Only the part from fine major position `from` to `to` is drawn: the part
// that crosses the band.
void ThinFine(Coverage& cov, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t from,
              int64_t to) {
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t n = std::max(std::abs(dx), std::abs(dy));
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const int64_t majorD = xMajor ? dx : dy;
  // The fine positions along the major axis the line covers, lo..hi; a dot
  // covers a whole pixel's worth round its point.
  const int64_t lo = std::max(from, n == 0 ? major0 - kS / 2 : std::min(major0, major0 + majorD));
  const int64_t hi =
      std::min(to, n == 0 ? major0 + kS - kS / 2 - 1 : std::max(major0, major0 + majorD));
  // The minor position at a fine major position, in 32.32 fixed point and
  // rounded to the nearest fine pixel.
  // (Wide: a line may run a billion pixels beyond the picture.)
  using Wide = __int128;
  const int64_t slope = n == 0 ? 0 : static_cast<int64_t>((Wide(xMajor ? dy : dx) << 32) / majorD);
  const Wide start = (Wide(minor0) << 32) + (int64_t(1) << 31);
  // Each sample's mask columns (rows): kSampleWidth of them.
  constexpr uint64_t kRun = (uint64_t(1) << kSampleWidth) - 1;
  // A pixel with samples that may not fill it (the line's first and last).
  auto partial = [&](int64_t pixel) {
    uint64_t bits = 0;
    int64_t base = INT64_MIN;
    for (int t = 0; t < kSamples; ++t) {
      const int64_t first = std::max(pixel * kS + int64_t{t} * kSampleWidth, lo);
      const int64_t last = std::min(pixel * kS + (int64_t{t} + 1) * kSampleWidth - 1, hi);
      if (first > last) continue;
      const int64_t at = (first + last) >> 1;  // the sample's own fine position
      const int64_t m =
          static_cast<int64_t>((start + Wide(at - major0) * slope) >> 32) - kS / 2;  // m..m+3
      if (base == INT64_MIN) base = FloorDiv(m) - 1;
      const int64_t o = m - base * kS;  // 2..9 within the four pixels across
      // The sample's fine columns (rows) of the pixel, j0..j1.
      const int j0 = static_cast<int>(first - pixel * kS), j1 = static_cast<int>(last - pixel * kS);
      const uint64_t run = kRun >> (kSampleWidth - (j1 - j0 + 1));
      if (xMajor) {
        // Fine row f of column j is bit 4f + j: the bar is rows o..o+3.
        bits |= uint64_t(0x1111) * run << (4 * o + j0);
      } else {
        // Fine column f = 4q + c of row j is bit 16q + 4j + c: the bar is
        // columns o..o+3 of each of the sample's rows.
        const int64_t q = o / kS, c = o % kS;
        const uint64_t bar = (((uint64_t(0xF) << c) & 0xF) << (16 * q)) |
                             (uint64_t(0xF >> (kS - c)) << (16 * (q + 1)));
        for (int j = j0; j <= j1; ++j) bits |= bar << (4 * j);
      }
    }
    if (base == INT64_MIN) return;
    xMajor ? cov.SetFour(base, pixel, bits, false) : cov.SetFour(pixel, base, bits, true);
  };
  const int64_t pLo = FloorDiv(lo), pHi = FloorDiv(hi);
  partial(pLo);
  if (pHi == pLo) return;
  // The pixels between: both samples, at fine positions 0 and 2 of the pixel,
  // stepped along without multiplying.
  static_assert(kSamples == 2, "two samples a pixel between the ends");
  Wide acc = start + Wide((pLo + 1) * kS - major0) * slope;
  const Wide half = Wide(slope) * kSampleWidth, whole = Wide(slope) * kS;
  for (int64_t pixel = pLo + 1; pixel < pHi; ++pixel, acc += whole) {
    const int64_t mA = static_cast<int64_t>(acc >> 32) - kS / 2;
    const int64_t mB = static_cast<int64_t>((acc + half) >> 32) - kS / 2;
    const int64_t base = FloorDiv(mA) - 1;
    const int64_t oA = mA - base * kS, oB = mB - base * kS;  // 4..7 and 2..9
    if (xMajor) {
      cov.SetFour(base, pixel, (uint64_t(0x3333) << (4 * oA)) | (uint64_t(0xCCCC) << (4 * oB)),
                  false);
    } else {
      cov.SetFour(pixel, base, kBarAcross[oA] * 0x11 | kBarAcross[oB] * 0x1100, true);
    }
  }
  partial(pHi);
}

// A pen wider than a pixel: the capsule of its width round the segment, row
// by row on the fine grid.
void WideFine(Coverage& cov, double ax, double ay, double bx, double by, double r) {
  const double dx = bx - ax, dy = by - ay, len = std::hypot(dx, dy), r2 = r * r;
  int64_t top = static_cast<int64_t>(std::floor(std::min(ay, by) - r));
  int64_t bottom = static_cast<int64_t>(std::ceil(std::max(ay, by) + r));
  cov.KeepFineRows(top, bottom);
  // The band between the perpendiculars through both ends, within r of the
  // line, row by row: its centre moves by dx / dy a row.
  const double perY = dy != 0 ? dx / dy : 0, perX = dx != 0 ? dy / dx : 0;
  const double half = dy != 0 ? r * len / std::fabs(dy) : 0;
  for (int64_t row = FloorDiv(top); row <= FloorDiv(bottom); ++row) {
    int64_t xa[kS], xb[kS];
    for (int f = 0; f < kS; ++f) {
      const int64_t yi = row * kS + f;
      xa[f] = 1, xb[f] = 0;
      if (yi < top || yi > bottom) continue;
      const double y = static_cast<double>(yi) + 0.5;
      double lo = HUGE_VAL, hi = -HUGE_VAL;
      for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
        const double t = y - py;
        if (t * t <= r2) {
          const double w = std::sqrt(r2 - t * t);
          lo = std::min(lo, px - w);
          hi = std::max(hi, px + w);
        }
      }
      if (len > 0 && dy != 0) {
        const double xc = ax + perY * (y - ay);
        double blo = xc - half, bhi = xc + half;
        if (dx != 0) {
          double e0 = ax - perX * (y - ay), e1 = bx - perX * (y - by);
          if (e0 > e1) std::swap(e0, e1);
          blo = std::max(blo, e0);
          bhi = std::min(bhi, e1);
        }
        if (blo <= bhi) lo = std::min(lo, blo), hi = std::max(hi, bhi);
      } else if (len > 0 && std::fabs(y - ay) <= r) {
        lo = std::min(lo, std::min(ax, bx));
        hi = std::max(hi, std::max(ax, bx));
      }
      if (lo > hi) continue;
      // Sub-pixel centres within the span.
      xa[f] = static_cast<int64_t>(std::ceil(lo - 0.5));
      xb[f] = static_cast<int64_t>(std::floor(hi - 0.5));
    }
    cov.Spans(row, xa, xb);
  }
}

}  // namespace

void DrawSmooth(const LineLog& log, Image& picture, size_t upTo) {
  if (picture.width <= 0 || picture.height <= 0 || log.Runs().empty()) return;
  const auto& points = log.Points();
  const int rows =
      static_cast<int>(std::clamp<int64_t>(kBandPixels / picture.width, 1, picture.height));
  Coverage cov(picture.width, rows);
  for (int top = 0; top < picture.height; top += rows) {
    cov.Start(top);
    const int bandRows = std::min(rows, picture.height - top);
    const auto& runs = log.Runs();
    for (size_t k = 0; k < runs.size() && runs[k].first < upTo; ++k) {
      const LineRun& run = runs[k];
      const size_t end = std::min(log.RunEnd(k), upTo);
      // The band, widened by the pen's reach: what lies beyond is cut off.
      const double margin = (std::max(run.width, 1) / 2.0 + 2) * kS;
      const double loY = double(top) * kS - margin, hiY = double(top + bandRows) * kS + margin;
      const double hiX = double(picture.width) * kS + margin;
      for (size_t i = run.first; i + 1 < end; ++i) {
        const double ay = points[i].y * double(kS), by = points[i + 1].y * double(kS);
        if ((ay < loY && by < loY) || (ay > hiY && by > hiY)) continue;
        const double ax = points[i].x * double(kS), bx = points[i + 1].x * double(kS);
        double x0 = ax, y0 = ay, x1 = bx, y1 = by;
        if (!Clip(x0, y0, x1, y1, -margin, loY, hiX, hiY)) continue;
        if (run.width > 1) {
          WideFine(cov, x0, y0, x1, y1, run.width * kS / 2.0);
          continue;
        }
        // The whole line's own steps, only those across the band.
        const int64_t fx0 = static_cast<int64_t>(std::floor(ax)),
                      fy0 = static_cast<int64_t>(std::floor(ay));
        const int64_t fx1 = static_cast<int64_t>(std::floor(bx)),
                      fy1 = static_cast<int64_t>(std::floor(by));
        const bool xMajor = std::abs(fx1 - fx0) >= std::abs(fy1 - fy0);
        const double c0 = xMajor ? x0 : y0, c1 = xMajor ? x1 : y1;
        ThinFine(cov, fx0, fy0, fx1, fy1, static_cast<int64_t>(std::floor(std::min(c0, c1))) - kS,
                 static_cast<int64_t>(std::ceil(std::max(c0, c1))) + kS);
      }
      // Lines of one colour make one layer; the next colour lies over it.
      if (k + 1 == runs.size() || runs[k + 1].bgr != run.bgr || runs[k + 1].first >= upTo)
        cov.Flush(picture, run.bgr);
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
