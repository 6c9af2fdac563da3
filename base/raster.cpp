#include "base/raster.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace base {

Image::Image(int w, int h, uint32_t bgr)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      stride(StrideFor(std::max(w, 0))),
      pixels(static_cast<size_t>(stride) * static_cast<size_t>(std::max(h, 0)), ToPixel(bgr)) {}

int64_t Image::Get(int x, int y) const {
  if (!Contains(x, y)) return -1;
  return FromPixel(Row(y)[x]);
}

void Image::Fill(uint32_t bgr) { std::fill(pixels.begin(), pixels.end(), ToPixel(bgr)); }

namespace {

using i64 = long long;
using i128 = __int128;

template <class T>
T FloorDiv(T a, T b) {  // b > 0
  T q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}
template <class T>
T CeilDiv(T a, T b) {
  return -FloorDiv<T>(-a, b);
}

// One-pixel line along its major axis u (x or y) with minor axis v. The
// pixels are u0 + i, v0 + sv * o(i) for i = 0..du with
// o(i) = floor((2 i dv + du) / (2 du)), i.e. the minor offset rounded half up.
// Because o(i) is monotonic, the indices whose pixel lies inside the image form
// one interval, found by solving the bounds instead of walking to them; the
// walk then starts with the exact error term of its first pixel, so a clipped
// line has the same pixels as the unclipped one would have inside the image.
struct Axis {
  i64 u0, v0, du, dv;
  int sv;
  i64 uMax, vMax;  // last pixel index along u and v
};

// The bounds are solved in T: 64 bits hold every product of a line shorter
// than kShortLine pixels, longer lines (far off the image) take 128 bits.
constexpr i64 kShortLine = i64{1} << 30;

// Lines that light this many pixels or more (and few enough that their
// length times their pixels stays within kFixedLimit) take their minor
// offsets from a fixed-point sum; shorter ones are not worth its division.
constexpr i64 kFixedMinLength = 8, kFixedLimit = i64{1} << 31;

// Smallest i with o(i) >= m, or du + 1 when none.
template <class T>
i64 FirstAtLeast(const Axis& a, i64 m) {
  if (m <= 0) return 0;
  if (m > a.dv) return a.du + 1;  // o(i) never exceeds dv
  const T i = CeilDiv<T>(T{2} * m * a.du - a.du, T{2} * a.dv);
  return i > a.du ? a.du + 1 : static_cast<i64>(i);
}
// Largest i with o(i) <= m, or -1 when none.
template <class T>
i64 LastAtMost(const Axis& a, i64 m) {
  if (m < 0) return -1;
  if (m >= a.dv) return a.du;
  const T i = CeilDiv<T>(T{2} * (m + 1) * a.du - a.du, T{2} * a.dv) - 1;
  return i > a.du ? a.du : static_cast<i64>(i);
}

// The part of the line inside the image: the first and last index, the error
// term and minor position of the first pixel, and the minor position of the
// last. False when no pixel of the line is inside.
template <class T>
bool ClipToImage(const Axis& a, i64& first, i64& last, i64& rem, i64& vFirst, i64& vLast) {
  first = std::max<i64>(0, -a.u0);
  last = std::min<i64>(a.du, a.uMax - a.u0);
  if (a.sv > 0) {
    first = std::max(first, FirstAtLeast<T>(a, -a.v0));
    last = std::min(last, LastAtMost<T>(a, a.vMax - a.v0));
  } else {
    first = std::max(first, FirstAtLeast<T>(a, a.v0 - a.vMax));
    last = std::min(last, LastAtMost<T>(a, a.v0));
  }
  if (first > last) return false;
  const T twoDu = T{2} * a.du;
  const T startNum = T{2} * first * a.dv + a.du;
  rem = static_cast<i64>(startNum % twoDu);
  vFirst = a.v0 + a.sv * static_cast<i64>(startNum / twoDu);
  vLast = a.v0 + a.sv * static_cast<i64>((T{2} * last * a.dv + a.du) / twoDu);
  return true;
}

// How a line sets its pixels: a drawing only paints them; a replay of one
// also tells whether any of them changed colour.
struct Paint {
  uint32_t colour;
  void Pixel(uint32_t& p) const { p = colour; }
  void Run(uint32_t* from, uint32_t* to) const { std::fill(from, to, colour); }
};
struct PaintTelling {
  uint32_t colour;
  uint32_t differs = 0;  // the bits in which some pixel differed
  void Pixel(uint32_t& p) {
    differs |= p ^ colour;
    p = colour;
  }
  void Run(uint32_t* from, uint32_t* to) {
    for (; from != to; ++from) Pixel(*from);
  }
};

// Adds the rectangle of the pixels it lit to `changed`.
template <class Plot>
void ThinLine(Image& img, int x0, int y0, int x1, int y1, Plot& plot, Rect& changed) {
  const i64 adx = std::abs(static_cast<i64>(x1) - x0);
  const i64 ady = std::abs(static_cast<i64>(y1) - y0);
  if (adx == 0 && ady == 0) {
    if (!img.Contains(x0, y0)) return;
    plot.Pixel(img.Row(y0)[x0]);
    changed.Add(x0, y0);
    return;
  }
  // A line wholly beyond one edge of the image lights nothing there: its
  // pixels lie between its ends on both axes.
  if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= img.width && x1 >= img.width) ||
      (y0 >= img.height && y1 >= img.height))
    return;
  const bool xMajor = adx >= ady;
  // Always walk the major axis upwards, so that a segment gives the same
  // pixels whichever end it is drawn from.
  if ((xMajor && x0 > x1) || (!xMajor && y0 > y1)) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  Axis a;
  if (xMajor) {
    a = Axis{x0, y0, adx, ady, y1 >= y0 ? 1 : -1, img.width - 1, img.height - 1};
  } else {
    a = Axis{y0, x0, ady, adx, x1 >= x0 ? 1 : -1, img.height - 1, img.width - 1};
  }

  i64 first = 0, last = a.du;
  const i64 twoDu = 2 * a.du, twoDv = 2 * a.dv;
  i64 rem, u, v, uEnd, vEnd;
  const bool unclipped = img.Contains(x0, y0) && img.Contains(x1, y1);
  if (unclipped) {
    // The common case of a drawing: no clipping.
    rem = a.du;
    u = a.u0;
    v = a.v0;
    uEnd = a.u0 + a.du;
    vEnd = a.v0 + a.sv * a.dv;
  } else {
    const bool clipped = a.du < kShortLine ? ClipToImage<i64>(a, first, last, rem, v, vEnd)
                                           : ClipToImage<i128>(a, first, last, rem, v, vEnd);
    if (!clipped) return;
    u = a.u0 + first;
    uEnd = a.u0 + last;
  }

  const ptrdiff_t stride = img.stride;
  const ptrdiff_t uStep = xMajor ? 1 : stride;
  const ptrdiff_t vStep = xMajor ? a.sv * stride : a.sv;
  uint32_t* p = xMajor ? img.Row(static_cast<int>(v)) + u : img.Row(static_cast<int>(u)) + v;
  const i64 n = last - first;  // pixels after the first
  if (n >= kFixedMinLength && a.du <= kFixedLimit / (n + 1)) {
    // o(first + k) - o(first) = floor(f + k dv / du), f = rem / (2 du) the
    // fraction where the first pixel lies, from a 32.32 fixed-point sum that
    // starts at f and adds the slope, both rounded up. The sum runs ahead of
    // the exact value by less than (n + 1) / 2^32 <= 1 / (2 du), while the
    // exact value, a multiple of 1 / (2 du), lies at least that far below the
    // next whole number: the floor is exact. Each pixel depends on the sum
    // alone, not on the error term of the pixel before.
    const uint64_t scaled = static_cast<uint64_t>(a.dv) << 32;
    const uint64_t slope = scaled / a.du + (scaled % a.du != 0);
    uint64_t sum = uint64_t{1} << 31;  // f = 1/2 for a line drawn from its start
    if (first != 0) {
      const uint64_t start = static_cast<uint64_t>(rem) << 32;
      sum = start / twoDu + (start % twoDu != 0);
    }
    for (i64 k = n; k >= 0; --k, p += uStep, sum += slope)
      plot.Pixel(p[static_cast<ptrdiff_t>(sum >> 32) * vStep]);
  } else {
    plot.Pixel(*p);
    // Without a branch on the minor step: its pattern is irregular, and a
    // mispredicted branch costs more than the masks.
    for (i64 k = n; k > 0; --k) {
      rem += twoDv;
      const ptrdiff_t carry = -static_cast<ptrdiff_t>(rem >= twoDu);
      rem -= twoDu & carry;
      p += uStep + (vStep & carry);
      plot.Pixel(*p);
    }
  }

  if (xMajor) {
    changed.Add(Rect{static_cast<int>(u), static_cast<int>(std::min(v, vEnd)),
                     static_cast<int>(uEnd), static_cast<int>(std::max(v, vEnd))});
  } else {
    changed.Add(Rect{static_cast<int>(std::min(v, vEnd)), static_cast<int>(u),
                     static_cast<int>(std::max(v, vEnd)), static_cast<int>(uEnd)});
  }
}

// Interval [lo, hi] of x, growing a running union.
struct Span {
  double lo = HUGE_VAL, hi = -HUGE_VAL;
  void Add(double a, double b) {
    if (a > b) return;
    lo = std::min(lo, a);
    hi = std::max(hi, b);
  }
};

// Width > 1: the capsule of radius width/2 round the segment, filled row by
// row. The capsule is convex, so each row is one run: the union of the runs of
// the two end discs and of the band between them.
template <class Plot>
void ThickLine(Image& img, int x0, int y0, int x1, int y1, Plot& plot, int width, Rect& changed) {
  const double r = width / 2.0;
  const double r2 = r * r;
  // Exact ties (a centre at exactly width/2) count as inside; the slack only
  // absorbs the rounding of the solved run ends.
  const double slack = 1e-7;
  // A line of an even width runs along the pixels' corners, so that it covers
  // exactly `width` pixels across (2, 4 and 8 are the pen's wide settings).
  const double shift = width % 2 == 0 ? 0.5 : 0.0;
  const double ax = x0 - shift, ay = y0 - shift, bx = x1 - shift, by = y1 - shift;
  const double dx = bx - ax, dy = by - ay;
  const double len = std::sqrt(dx * dx + dy * dy);

  const double top = std::max(std::floor(std::min(ay, by) - r), 0.0);
  const double bottom = std::min(std::ceil(std::max(ay, by) + r), img.height - 1.0);
  for (double y = top; y <= bottom; y += 1) {
    Span s;
    for (int e = 0; e < 2; ++e) {
      const double px = e ? bx : ax, py = e ? by : ay;
      const double h = r2 - (y - py) * (y - py);
      if (h >= 0) {
        const double w = std::sqrt(h);
        s.Add(px - w, px + w);
      }
    }
    if (len > 0) {
      // Band: distance to the line at most r, and between the perpendiculars
      // through both ends.
      bool inBand = true;
      double lo = -HUGE_VAL, hi = HUGE_VAL;
      if (dy != 0) {
        const double xc = ax + dx * ((y - ay) / dy);
        const double half = r * len / std::fabs(dy);
        lo = xc - half;
        hi = xc + half;
      } else {
        inBand = std::fabs(y - ay) <= r;
      }
      if (dx != 0) {
        double e0 = ax - dy * ((y - ay) / dx);
        double e1 = bx - dy * ((y - by) / dx);
        if (e0 > e1) std::swap(e0, e1);
        lo = std::max(lo, e0);
        hi = std::min(hi, e1);
      } else {
        const double t = dy * (y - ay);
        inBand = inBand && t >= 0 && t <= dy * dy;
      }
      if (inBand) s.Add(lo, hi);
    }
    if (s.lo > s.hi) continue;
    const double first = std::max(std::ceil(s.lo - slack), 0.0);
    const double last = std::min(std::floor(s.hi + slack), img.width - 1.0);
    if (first > last) continue;
    const int yi = static_cast<int>(y);
    const int xa = static_cast<int>(first), xb = static_cast<int>(last);
    plot.Run(img.Row(yi) + xa, img.Row(yi) + xb + 1);
    changed.Add(Rect{xa, yi, xb, yi});
  }
}

template <class Plot>
void PlotLine(Image& img, int x0, int y0, int x1, int y1, Plot& plot, int width, Rect& changed) {
  if (img.width <= 0 || img.height <= 0) return;
  if (width <= 1)
    ThinLine(img, x0, y0, x1, y1, plot, changed);
  else
    ThickLine(img, x0, y0, x1, y1, plot, width, changed);
}

}  // namespace

Rect DrawLine(Image& img, int x0, int y0, int x1, int y1, uint32_t bgr, int width) {
  Rect changed;
  DrawLine(img, x0, y0, x1, y1, bgr, width, changed);
  return changed;
}

void DrawLine(Image& img, int x0, int y0, int x1, int y1, uint32_t bgr, int width, Rect& changed) {
  Paint paint{ToPixel(bgr)};
  PlotLine(img, x0, y0, x1, y1, paint, width, changed);
}

bool DrawLineChanging(Image& img, int x0, int y0, int x1, int y1, uint32_t bgr, int width) {
  PaintTelling paint{ToPixel(bgr)};
  Rect changed;
  PlotLine(img, x0, y0, x1, y1, paint, width, changed);
  return (paint.differs & 0x00FFFFFFu) != 0;
}

Rect FloodFillSurface(Image& img, int x, int y, uint32_t target, uint32_t fill) {
  constexpr uint32_t kRgb = 0x00FFFFFFu;
  // Compare colours only: a loaded picture may carry another alpha.
  const uint32_t want = ToPixel(target) & kRgb;
  const uint32_t paint = ToPixel(fill);
  if (!img.Contains(x, y) || (paint & kRgb) == want || (img.Row(y)[x] & kRgb) != want)
    return Rect{};

  const int w = img.width, h = img.height;
  Rect changed;
  std::vector<std::pair<int, int>> stack;
  stack.emplace_back(x, y);
  // Pushes one seed per run of target pixels in row `row` between l and r:
  // only pixels straight above or below a filled run are 4-connected to it.
  auto pushRuns = [&](int row, int l, int r) {
    const uint32_t* line = img.Row(row);
    int i = l;
    while (i <= r) {
      while (i <= r && (line[i] & kRgb) != want) ++i;
      if (i > r) break;
      stack.emplace_back(i, row);
      while (i <= r && (line[i] & kRgb) == want) ++i;
    }
  };
  while (!stack.empty()) {
    const auto [sx, sy] = stack.back();
    stack.pop_back();
    uint32_t* line = img.Row(sy);
    if ((line[sx] & kRgb) != want) continue;  // filled since it was pushed
    int l = sx, r = sx;
    while (l > 0 && (line[l - 1] & kRgb) == want) --l;
    while (r < w - 1 && (line[r + 1] & kRgb) == want) ++r;
    std::fill(line + l, line + r + 1, paint);
    changed.Add(Rect{l, sy, r, sy});
    if (sy > 0) pushRuns(sy - 1, l, r);
    if (sy < h - 1) pushRuns(sy + 1, l, r);
  }
  return changed;
}

double Mapping::UnitX(double px) const { return scaleLeft + px * scaleWidth / width; }
double Mapping::UnitY(double py) const { return scaleTop + py * scaleHeight / height; }

}  // namespace base
