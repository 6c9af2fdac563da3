#include "base/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using base::DrawLine;
using base::FloodFillSurface;
using base::Image;
using base::Rect;
using Rows = std::vector<std::string>;

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kBlue = 0xFF0000;

// '.' white, '#' black, 'r' red, 'b' blue, '?' anything else.
Rows Picture(const Image& img) {
  Rows rows;
  for (int y = 0; y < img.height; ++y) {
    std::string row;
    for (int x = 0; x < img.width; ++x) {
      const int64_t c = img.Get(x, y);
      row += c == kWhite ? '.' : c == kBlack ? '#' : c == kRed ? 'r' : c == kBlue ? 'b' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

Image FromPicture(const Rows& rows) {
  Image img(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const char c = rows[y][x];
      img.Row(y)[x] = base::ToPixel(c == '#'   ? kBlack
                                    : c == 'r' ? kRed
                                    : c == 'b' ? kBlue
                                               : kWhite);
    }
  return img;
}

// Bounding box of the pixels in which two images of one size differ.
Rect Changed(const Image& before, const Image& after) {
  Rect r;
  for (int y = 0; y < before.height; ++y)
    for (int x = 0; x < before.width; ++x)
      if (before.Get(x, y) != after.Get(x, y)) r.Add(x, y);
  return r;
}

std::vector<int> Box(const Rect& r) {
  return r.Empty() ? std::vector<int>{} : std::vector<int>{r.x0, r.y0, r.x1, r.y1};
}

// A small deterministic sequence for the randomised cases.
struct Lcg {
  uint32_t s;
  int Next(int lo, int hi) {
    s = s * 1664525u + 1013904223u;
    return lo + static_cast<int>((s >> 8) % static_cast<uint32_t>(hi - lo + 1));
  }
};

// Lines

TEST(Line, ExactPictures) {
  struct Case {
    int w, h, x0, y0, x1, y1, width;
    Rect changed;
    Rows rows;
  };
  const Rows blank{"....", "....", "...."};
  // clang-format off
  const Case cases[] = {
      // Zero length: one pixel; width 0 is drawn as width 1.
      {6, 4, 3, 2, 3, 2, 1, {3, 2, 3, 2}, {"......", "......", "...#..", "......"}},
      {3, 3, 1, 1, 1, 1, 0, {1, 1, 1, 1}, {"...", ".#.", "..."}},
      // Shallow, steep and rising lines include both ends.
      {8, 3, 0, 0, 7, 2, 1, {0, 0, 7, 2}, {"##......", "..####..", "......##"}},
      {5, 8, 1, 0, 3, 7, 1, {1, 0, 3, 7},
       {".#...", ".#...", "..#..", "..#..", "..#..", "..#..", "...#.", "...#."}},
      {7, 4, 0, 3, 6, 0, 1, {0, 0, 6, 3}, {".....##", "...##..", ".##....", "#......"}},
      // Off the image: nothing; passing beside a corner: nothing; one step in: the corner.
      {4, 3, 4, 0, 4, 0, 1, {}, blank},
      {4, 3, -2, 1, 1, -2, 1, {}, blank},
      {4, 3, -1, 1, 1, -1, 1, {0, 0, 0, 0}, {"#...", "....", "...."}},
      // Far ends are clipped, not walked: nothing drawn, or exactly the pixels
      // of the whole line (slope 1/3 through the origin, from far away).
      {4, 3, INT_MIN, INT_MAX, INT_MAX, INT_MAX - 3, 8, {}, blank},
      {4, 3, -1000000000, 20, 1000000000, 11, 1, {}, blank},
      {4, 3, -30, 0, 0, -30, 8, {}, blank},
      {4, 3, INT_MIN, 1, INT_MAX, 1, 1, {0, 1, 3, 1}, {"....", "####", "...."}},
      {4, 3, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, {0, 0, 2, 2}, {"#...", ".#..", "..#."}},
      {6, 3, -(3 << 28), -(1 << 28), 3 << 28, 1 << 28, 1, {0, 0, 5, 2},
       {"##....", "..###.", ".....#"}},
      {3, 7, INT_MIN, 3, INT_MAX, 3, 4, {0, 1, 2, 4},
       {"...", "###", "###", "###", "###", "...", "..."}},
      // Wide: every pixel centre within width / 2, round caps and dots; an
      // even width runs along the pixels' corners, so it covers exactly
      // `width` pixels across.
      {12, 9, 3, 4, 8, 4, 4, {1, 2, 9, 5},
       {"............", "............", "..#######...", ".#########..", ".#########..",
        "..#######...", "............", "............", "............"}},
      {7, 7, 3, 3, 3, 3, 2, {2, 2, 3, 3},
       {".......", ".......", "..##...", "..##...", ".......", ".......", "......."}},
      {7, 7, 3, 3, 3, 3, 3, {2, 2, 4, 4},
       {".......", ".......", "..###..", "..###..", "..###..", ".......", "......."}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Image img(c.w, c.h, kWhite);
    const Rect r = DrawLine(img, c.x0, c.y0, c.x1, c.y1, kBlack, c.width);
    EXPECT_EQ(Picture(img), c.rows) << c.x0 << ',' << c.y0 << " - " << c.x1 << ',' << c.y1;
    EXPECT_EQ(Box(r), Box(c.changed));
  }
  Image empty;
  EXPECT_TRUE(DrawLine(empty, 0, 0, 5, 5, kBlack, 4).Empty());
}

// Draws the line and expects exactly the pixels of the rounding rule inside
// the image: along the major axis, the minor offset rounded half up, computed
// here in 128 bits so that ends far off the image are exact too.
void ExpectRulePixels(int w, int h, int x0, int y0, int x1, int y1) {
  Image img(w, h, kWhite), want(w, h, kWhite);
  const Rect r = DrawLine(img, x0, y0, x1, y1, kBlack, 1);
  const std::string line = std::to_string(x0) + ',' + std::to_string(y0) + " - " +
                           std::to_string(x1) + ',' + std::to_string(y1);
  __int128 du = std::abs(static_cast<__int128>(x1) - x0),
           dv = std::abs(static_cast<__int128>(y1) - y0);
  const bool xMajor = du >= dv;
  if (!xMajor) std::swap(du, dv);
  if ((xMajor && x0 > x1) || (!xMajor && y0 > y1)) std::swap(x0, x1), std::swap(y0, y1);
  const __int128 u0 = xMajor ? x0 : y0, v0 = xMajor ? y0 : x0;
  const int sv = (xMajor ? y1 >= y0 : x1 >= x0) ? 1 : -1;
  for (int u = 0; u < (xMajor ? w : h); ++u) {
    const __int128 i = u - u0;
    if (i < 0 || i > du) continue;
    const __int128 v = v0 + sv * (du == 0 ? 0 : (2 * i * dv + du) / (2 * du));
    const __int128 x = xMajor ? u : v, y = xMajor ? v : u;
    if (x >= 0 && x < w && y >= 0 && y < h)
      want.Row(static_cast<int>(y))[x] = base::ToPixel(kBlack);
  }
  ASSERT_EQ(img.pixels, want.pixels) << line;
  EXPECT_EQ(Box(r), Box(Changed(Image(w, h, kWhite), img))) << line;
}

TEST(Line, LightsExactlyThePixelsOfTheRoundingRule) {
  // Ends near the image and far off it, up to the far limits of the canvas
  // mapping and beyond, in either direction.
  constexpr int kW = 40, kH = 30;
  const int far[] = {-2000000000, -1073741824, -1000000000, -123456789, -70000,     -3,
                     0,           17,          kW + 5,      99999,      1000000000, 2100000000};
  Lcg rng{11};
  for (int n = 0; n < 3000; ++n) {
    auto pick = [&](int size) {
      return rng.Next(0, 2) == 0 ? rng.Next(-10, size + 10) : far[rng.Next(0, 11)];
    };
    const int x0 = pick(kW), y0 = pick(kH), x1 = pick(kW), y1 = pick(kH);
    ExpectRulePixels(kW, kH, x0, y0, x1, y1);
  }
  // Long lines inside and across a larger image.
  for (int n = 0; n < 300; ++n)
    ExpectRulePixels(500, 400, rng.Next(-3000, 3500), rng.Next(-3000, 3400), rng.Next(-100, 600),
                     rng.Next(-100, 500));
  // Every slope of lengths 8 to 80 entering from the left edge at every
  // offset: the walk starts between two pixels of the whole line.
  for (int du = 8; du <= 80; ++du)
    for (int dv = 0; dv <= du; dv += 1 + du / 40)
      for (int x0 = -20; x0 < 0; ++x0) ExpectRulePixels(48, 48, x0, 3, x0 + du, 3 + dv);
  // Near the longest line the fixed-point walk takes, with an odd length,
  // where the rule's fractions come closest to whole numbers.
  for (int dx = 0; dx <= 3; ++dx) {
    ExpectRulePixels(4, 46341, 0, 0, dx, 46339);
    ExpectRulePixels(4, 46341, dx, 1, 0, 46340);
    ExpectRulePixels(4, 46341, 3 - dx, 46340, 3, 0);
  }
}

TEST(Image, RowsSpanAnOddNumberOfCacheLines) {
  // So that consecutive rows of a power-of-two width do not share cache
  // sets; the padding is never part of the picture.
  for (int w : {1, 15, 16, 17, 1000, 1024, 1280, 1366, 1920, 2560, 3840}) {
    Image img(w, 3, kWhite);
    EXPECT_GE(img.stride, w);
    EXPECT_EQ(img.stride % 16, 0);
    EXPECT_EQ(img.stride / 16 % 2, 1) << w;
    DrawLine(img, 0, 0, w - 1, 2, kBlack, 1);
    EXPECT_EQ(img.Get(w - 1, 2), kBlack);
    EXPECT_EQ(img.Get(w, 2), -1);
  }
}

// Whether a pixel centre lies within width/2 of the segment, in exact integer
// arithmetic (ties count as inside).
// In doubled coordinates, so that an even width's half-pixel shift stays exact.
bool InsideCapsule(long long px, long long py, long long ax, long long ay, long long bx,
                   long long by, int width) {
  const long long s = width % 2 == 0 ? 1 : 0;
  px *= 2, py *= 2, ax = 2 * ax - s, ay = 2 * ay - s, bx = 2 * bx - s, by = 2 * by - s;
  width *= 2;
  const long long dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
  const long long w2 = static_cast<long long>(width) * width;
  const long long t = (px - ax) * dx + (py - ay) * dy;
  if (l2 == 0 || t <= 0) return 4 * ((px - ax) * (px - ax) + (py - ay) * (py - ay)) <= w2;
  if (t >= l2) return 4 * ((px - bx) * (px - bx) + (py - by) * (py - by)) <= w2;
  const long long cross = dx * (py - ay) - dy * (px - ax);
  return 4 * cross * cross <= w2 * l2;
}

TEST(Line, WideLineMatchesTheDistanceRuleAndReportsItsPixels) {
  constexpr int kSize = 20;
  Lcg rng{5};
  for (int n = 0; n < 400; ++n) {
    const int width = rng.Next(2, 9);
    const int x0 = rng.Next(-8, kSize + 7), y0 = rng.Next(-8, kSize + 7);
    const int x1 = rng.Next(-8, kSize + 7), y1 = rng.Next(-8, kSize + 7);
    Image img(kSize, kSize, kWhite);
    const Rect r = DrawLine(img, x0, y0, x1, y1, kBlack, width);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        ASSERT_EQ(img.Get(x, y) == kBlack, InsideCapsule(x, y, x0, y0, x1, y1, width))
            << "width " << width << " line " << x0 << ',' << y0 << " - " << x1 << ',' << y1
            << " at " << x << ',' << y;
    EXPECT_EQ(Box(r), Box(Changed(Image(kSize, kSize, kWhite), img)));
  }
}

// Flood fill

TEST(FloodFill, FillsOnlyTheFourConnectedRegionOfTheTargetColour) {
  struct Case {
    Rows before;
    int x, y;
    uint32_t target, fill;
    Rect changed;
    Rows after;
  };
  const Rows diag{"..#", ".#.", "#.."};
  const Case cases[] = {
      // clang-format off
      // The outside of a ring, not the hole inside.
      {{".......", ".###...", ".#.#...", ".###...", "......."}, 0, 0, kWhite, kBlue, {0, 0, 6, 4},
       {"bbbbbbb", "b###bbb", "b#.#bbb", "b###bbb", "bbbbbbb"}},
      // Diagonal neighbours do not connect.
      {diag, 0, 0, kWhite, kRed, {0, 0, 1, 1}, {"rr#", "r#.", "#.."}},
      // Down the first passage, up the second, down again and up the third.
      {{"#.#.#.#", "#.#.#.#", "#...#.#", "###...#", "#######"}, 1, 0, kWhite, kBlue, {1, 0, 5, 3},
       {"#b#b#b#", "#b#b#b#", "#bbb#b#", "###bbb#", "#######"}},
      // Any other colour stops it; (2, 1) is white but cut off.
      {{"..r..", ".b.#.", "..#..", "....."}, 0, 0, kWhite, kBlack, {0, 0, 4, 3},
       {"##r##", "#b.##", "#####", "#####"}},
      // Nothing to do: outside the image, not on the target colour, fill = target.
      {diag, -1, 0, kWhite, kRed, {}, diag},
      {diag, 0, 3, kWhite, kRed, {}, diag},
      {diag, 2, 0, kWhite, kRed, {}, diag},
      {diag, 0, 0, kRed, kBlue, {}, diag},
      {diag, 0, 0, kWhite, kWhite, {}, diag},
  };
  // clang-format on
  for (const Case& c : cases) {
    Image img = FromPicture(c.before);
    EXPECT_EQ(Box(FloodFillSurface(img, c.x, c.y, c.target, c.fill)), Box(c.changed))
        << c.x << ',' << c.y;
    EXPECT_EQ(Picture(img), c.after) << c.x << ',' << c.y;
  }
}

TEST(FloodFill, LargeCombNeedsNoRecursionAndAlphaIsIgnored) {
  // A comb of one-pixel teeth: deep, narrow regions everywhere.
  Image img(1500, 1500, kWhite);
  for (int x = 1; x < 1500; x += 2) DrawLine(img, x, 1, x, 1499, kBlack, 1);
  img.pixels[0] &= 0x00FFFFFFu;  // white as a picture file may bring it
  EXPECT_EQ(Box(FloodFillSurface(img, 0, 1499, kWhite, kBlue)), Box(Rect{0, 0, 1499, 1499}));
  EXPECT_EQ(img.Get(0, 0), kBlue);
  EXPECT_EQ(img.Get(1498, 1499), kBlue);
  EXPECT_EQ(img.Get(1499, 1), kBlack);
}

TEST(FloodFill, AgreesWithAPlainSearchOnNoise) {
  constexpr int kW = 41, kH = 29;
  Lcg rng{17};
  for (int n = 0; n < 20; ++n) {
    Image img(kW, kH, kWhite);
    for (uint32_t& p : img.pixels) p = base::ToPixel(rng.Next(0, 99) < 42 ? kBlack : kWhite);
    const int sx = rng.Next(0, kW - 1), sy = rng.Next(0, kH - 1);
    img.Row(sy)[sx] = base::ToPixel(kWhite);

    std::vector<char> reached(kW * kH, 0);
    std::deque<std::pair<int, int>> queue{{sx, sy}};
    reached[sy * kW + sx] = 1;
    while (!queue.empty()) {
      const auto [x, y] = queue.front();
      queue.pop_front();
      const int nb[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& q : nb)
        if (img.Contains(q[0], q[1]) && !reached[q[1] * kW + q[0]] &&
            img.Get(q[0], q[1]) == kWhite) {
          reached[q[1] * kW + q[0]] = 1;
          queue.emplace_back(q[0], q[1]);
        }
    }
    const Image before = img;
    const Rect r = FloodFillSurface(img, sx, sy, kWhite, kRed);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        ASSERT_EQ(img.Get(x, y), reached[y * kW + x] ? kRed : before.Get(x, y)) << x << ',' << y;
    EXPECT_EQ(Box(r), Box(Changed(before, img)));
  }
}

// Scale units to pixels

TEST(Mapping, CanvasSystemAndFarValues) {
  // The canvas's own system: origin at the centre, 1.05 units per pixel; the
  // right edge is just outside.
  base::Mapping m{-537.6, -403.2, 1075.2, 806.4, 1024, 768};
  EXPECT_EQ((std::vector<int>{m.PixelX(-537.6), m.PixelX(0), m.PixelX(537), m.PixelX(537.6),
                              m.PixelX(-538), m.PixelY(0), m.PixelY(403.1)}),
            (std::vector<int>{0, 512, 1023, 1024, -1, 384, 767}));
  EXPECT_DOUBLE_EQ(m.UnitX(0), -537.6);
  EXPECT_DOUBLE_EQ(m.UnitY(768), 403.2);
  // A mouse position inside a pixel maps back into that pixel.
  EXPECT_EQ(m.PixelX(m.UnitX(511.5)), 511);
  EXPECT_EQ(m.PixelY(m.UnitY(0.25)), 0);
  // Infinite, NaN and huge values land far outside on their side without
  // overflow, and lines to them stay harmless.
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_GE(m.PixelX(inf), 100000000);
  EXPECT_LE(m.PixelY(-1e300), -100000000);
  Image img(1024, 768, kWhite);
  for (double a : {inf, -inf, std::nan(""), 1e300, 3e9}) {
    EXPECT_GT(std::llabs(m.PixelX(a)), 100000000) << a;
    for (int width : {1, 3}) DrawLine(img, 512, 384, m.PixelX(a), m.PixelY(a), kBlack, width);
  }
  EXPECT_EQ(img.Get(512, 384), kBlack);
  m.scaleWidth = 0;  // a degenerate scale: far pixels, no crash
  EXPECT_GT(std::llabs(m.PixelX(m.scaleLeft)), 100000000);
}

}  // namespace
