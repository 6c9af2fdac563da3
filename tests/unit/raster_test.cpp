#include "forms/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using raster::DrawLine;
using raster::FloodFillSurface;
using raster::Image;
using raster::Rect;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

// '.' white, '#' black, 'r' red, 'b' blue, '?' anything else.
char Symbol(int64_t bgr) {
  switch (bgr) {
    case kWhite: return '.';
    case kBlack: return '#';
    case kRed: return 'r';
    case kBlue: return 'b';
    default: return '?';
  }
}
uint32_t Colour(char c) {
  switch (c) {
    case '#': return kBlack;
    case 'r': return kRed;
    case 'b': return kBlue;
    default: return kWhite;
  }
}

std::vector<std::string> Picture(const Image& img) {
  std::vector<std::string> rows;
  for (int y = 0; y < img.height; ++y) {
    std::string row;
    for (int x = 0; x < img.width; ++x) row += Symbol(img.Get(x, y));
    rows.push_back(row);
  }
  return rows;
}

Image FromPicture(const std::vector<std::string>& rows) {
  Image img(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) img.Row(y)[x] = raster::ToPixel(Colour(rows[y][x]));
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

void ExpectSameRect(const Rect& a, const Rect& b) {
  if (a.Empty() || b.Empty()) {
    EXPECT_EQ(a.Empty(), b.Empty());
    return;
  }
  EXPECT_EQ(a.x0, b.x0);
  EXPECT_EQ(a.y0, b.y0);
  EXPECT_EQ(a.x1, b.x1);
  EXPECT_EQ(a.y1, b.y1);
}

// A small deterministic sequence for the randomised cases.
struct Lcg {
  uint32_t s;
  int Next(int lo, int hi) {
    s = s * 1664525u + 1013904223u;
    return lo + static_cast<int>((s >> 8) % static_cast<uint32_t>(hi - lo + 1));
  }
};

// ---------------------------------------------------------------------------
// Image, colours and rectangles

TEST(Image, StoresScreenPixelsButSpeaksInProgramColours) {
  Image img(3, 2, 0x00336699);
  ASSERT_EQ(img.pixels.size(), 6u);
  EXPECT_EQ(img.pixels[0], 0xFF996633u);  // 0xFFRRGGBB in the buffer
  EXPECT_EQ(img.Get(2, 1), 0x00336699);
  EXPECT_EQ(img.Get(-1, 0), -1);
  EXPECT_EQ(img.Get(3, 0), -1);
  EXPECT_EQ(img.Get(0, 2), -1);
  img.Fill(kRed);
  EXPECT_EQ(img.Get(1, 1), kRed);
  EXPECT_EQ(raster::FromPixel(raster::ToPixel(0x00ABCDEF)), 0x00ABCDEFu);
}

TEST(Rect, AddGrowsToTheUnionAndIgnoresEmptyRects) {
  Rect r;
  EXPECT_TRUE(r.Empty());
  r.Add(Rect{});
  EXPECT_TRUE(r.Empty());
  r.Add(5, 7);
  ExpectSameRect(r, Rect{5, 7, 5, 7});
  r.Add(Rect{1, 9, 3, 12});
  ExpectSameRect(r, Rect{1, 7, 5, 12});
  r.Add(Rect{});
  ExpectSameRect(r, Rect{1, 7, 5, 12});
  r.Add(2, 8);
  ExpectSameRect(r, Rect{1, 7, 5, 12});
}

// ---------------------------------------------------------------------------
// One-pixel lines

TEST(ThinLine, ZeroLengthSetsOnePixel) {
  Image img(6, 4, kWhite);
  const Rect r = DrawLine(img, 3, 2, 3, 2, kBlack, 1);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"......", "......", "...#..", "......"}));
  ExpectSameRect(r, Rect{3, 2, 3, 2});
  // Width 0 is drawn as width 1.
  EXPECT_FALSE(DrawLine(img, 0, 0, 0, 0, kRed, 0).Empty());
  EXPECT_EQ(img.Get(0, 0), kRed);
  // Off the image it sets nothing.
  const Image before = img;
  EXPECT_TRUE(DrawLine(img, 6, 0, 6, 0, kRed, 1).Empty());
  EXPECT_TRUE(DrawLine(img, -1, 3, -1, 3, kRed, 1).Empty());
  EXPECT_EQ(Picture(img), Picture(before));
}

TEST(ThinLine, ShallowLineIncludesBothEnds) {
  Image img(8, 3, kWhite);
  const Rect r = DrawLine(img, 0, 0, 7, 2, kBlack, 1);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"##......", "..####..", "......##"}));
  ExpectSameRect(r, Rect{0, 0, 7, 2});
}

TEST(ThinLine, SteepLineStepsAlongY) {
  Image img(5, 8, kWhite);
  DrawLine(img, 1, 0, 3, 7, kBlack, 1);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{".#...", ".#...", "..#..", "..#..", "..#..",
                                                    "..#..", "...#.", "...#."}));
}

TEST(ThinLine, RisingLineAndAxisLines) {
  Image img(7, 4, kWhite);
  DrawLine(img, 0, 3, 6, 0, kBlack, 1);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{".....##", "...##..", ".##....", "#......"}));

  Image axes(5, 5, kWhite);
  DrawLine(axes, 0, 2, 4, 2, kBlack, 1);
  DrawLine(axes, 2, 4, 2, 0, kRed, 1);
  DrawLine(axes, 4, 4, 0, 0, kBlue, 1);
  EXPECT_EQ(Picture(axes), (std::vector<std::string>{"b.r..", ".br..", "##b##", "..rb.", "..r.b"}));
}

TEST(ThinLine, SameLineWhicheverEndItStartsFrom) {
  Lcg rng{7};
  for (int n = 0; n < 300; ++n) {
    const int x0 = rng.Next(0, 24), y0 = rng.Next(0, 24), x1 = rng.Next(0, 24), y1 = rng.Next(0, 24);
    Image forward(25, 25, kWhite), backward(25, 25, kWhite);
    DrawLine(forward, x0, y0, x1, y1, kBlack, 1);
    DrawLine(backward, x1, y1, x0, y0, kBlack, 1);
    ASSERT_EQ(Picture(forward), Picture(backward)) << x0 << ',' << y0 << ' ' << x1 << ',' << y1;
  }
}

TEST(ThinLine, EveryLineIsConnectedWithOnePixelPerMajorStep) {
  Lcg rng{11};
  for (int n = 0; n < 300; ++n) {
    const int x0 = rng.Next(0, 19), y0 = rng.Next(0, 19), x1 = rng.Next(0, 19), y1 = rng.Next(0, 19);
    Image img(20, 20, kWhite);
    DrawLine(img, x0, y0, x1, y1, kBlack, 1);
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    int count = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) count += img.Get(x, y) == kBlack;
    EXPECT_EQ(count, 1 + (xMajor ? std::abs(x1 - x0) : std::abs(y1 - y0)));
    EXPECT_EQ(img.Get(x0, y0), kBlack);
    EXPECT_EQ(img.Get(x1, y1), kBlack);
    // Along the major axis each step moves the minor coordinate by 0 or 1.
    int prev = -1;
    for (int u = std::min(xMajor ? x0 : y0, xMajor ? x1 : y1);
         u <= std::max(xMajor ? x0 : y0, xMajor ? x1 : y1); ++u) {
      int found = -1, hits = 0;
      for (int v = 0; v < 20; ++v)
        if ((xMajor ? img.Get(u, v) : img.Get(v, u)) == kBlack) found = v, ++hits;
      ASSERT_EQ(hits, 1);
      if (prev >= 0) {
        EXPECT_LE(std::abs(found - prev), 1);
      }
      prev = found;
    }
  }
}

TEST(ThinLine, ClippedLineKeepsThePixelsOfTheWholeLine) {
  // A line running off the image must light exactly the pixels that the same
  // line lights inside that area when drawn whole on a larger image.
  constexpr int kSize = 20, kMargin = 25;
  Lcg rng{3};
  for (int n = 0; n < 2000; ++n) {
    const int x0 = rng.Next(-kMargin, kSize + kMargin - 1), y0 = rng.Next(-kMargin, kSize + kMargin - 1);
    const int x1 = rng.Next(-kMargin, kSize + kMargin - 1), y1 = rng.Next(-kMargin, kSize + kMargin - 1);
    Image small(kSize, kSize, kWhite);
    Image large(kSize + 2 * kMargin, kSize + 2 * kMargin, kWhite);
    const Rect r = DrawLine(small, x0, y0, x1, y1, kBlack, 1);
    DrawLine(large, x0 + kMargin, y0 + kMargin, x1 + kMargin, y1 + kMargin, kBlack, 1);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        ASSERT_EQ(small.Get(x, y), large.Get(x + kMargin, y + kMargin))
            << "line " << x0 << ',' << y0 << " - " << x1 << ',' << y1 << " at " << x << ',' << y;
    ExpectSameRect(r, Changed(Image(kSize, kSize, kWhite), small));
  }
}

TEST(ThinLine, LinePassingBesideACornerDrawsNothing) {
  Image img(10, 10, kWhite);
  EXPECT_TRUE(DrawLine(img, -2, 1, 1, -2, kBlack, 1).Empty());
  EXPECT_TRUE(DrawLine(img, 8, -2, 11, 1, kBlack, 1).Empty());
  EXPECT_EQ(Changed(Image(10, 10, kWhite), img).Empty(), true);
  // One step further in and the corner pixel is hit.
  ExpectSameRect(DrawLine(img, -1, 1, 1, -1, kBlack, 1), Rect{0, 0, 0, 0});
}

TEST(ThinLine, FarEndsAreClippedNotWalked) {
  Image img(16, 10, kWhite);
  ExpectSameRect(DrawLine(img, INT_MIN, 5, INT_MAX, 5, kBlack, 1), Rect{0, 5, 15, 5});
  for (int x = 0; x < 16; ++x) EXPECT_EQ(img.Get(x, 5), kBlack);

  Image diag(16, 10, kWhite);
  ExpectSameRect(DrawLine(diag, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kBlack, 1), Rect{0, 0, 9, 9});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 16; ++x) EXPECT_EQ(diag.Get(x, y) == kBlack, x == y) << x << ',' << y;

  // Slope 1/2 through the origin from a billion pixels away: one pixel per
  // column, on the exact line wherever the line meets a pixel centre.
  Image half(16, 10, kWhite);
  DrawLine(half, -(1 << 30), -(1 << 29), 1 << 30, 1 << 29, kBlack, 1);
  for (int x = 0; x < 16; ++x) {
    int hits = 0, at = -1;
    for (int y = 0; y < 10; ++y)
      if (half.Get(x, y) == kBlack) ++hits, at = y;
    ASSERT_EQ(hits, 1) << x;
    if (x % 2 == 0) {
      EXPECT_EQ(at, x / 2);
    } else {
      EXPECT_TRUE(at == x / 2 || at == x / 2 + 1);
    }
  }

  Image untouched(16, 10, kWhite);
  EXPECT_TRUE(DrawLine(untouched, INT_MIN, INT_MIN, INT_MIN, INT_MAX, kBlack, 1).Empty());
  EXPECT_TRUE(DrawLine(untouched, INT_MAX, 0, INT_MAX - 5, INT_MAX, kBlack, 1).Empty());
  EXPECT_TRUE(DrawLine(untouched, INT_MIN, INT_MAX, INT_MAX, INT_MAX - 3, kBlack, 1).Empty());
  EXPECT_TRUE(DrawLine(untouched, -1000000000, 20, 1000000000, 11, kBlack, 1).Empty());
  EXPECT_TRUE(Changed(Image(16, 10, kWhite), untouched).Empty());
}

TEST(ThinLine, NothingHappensOnAnEmptyImage) {
  Image img;
  EXPECT_TRUE(DrawLine(img, 0, 0, 5, 5, kBlack, 1).Empty());
  EXPECT_TRUE(DrawLine(img, 0, 0, 5, 5, kBlack, 4).Empty());
}

// ---------------------------------------------------------------------------
// Wide lines

// Every pixel whose centre lies within width/2 of the segment, decided in
// exact integer arithmetic (ties count as inside).
bool InsideCapsule(long long px, long long py, long long ax, long long ay, long long bx, long long by,
                   int width) {
  const long long dx = bx - ax, dy = by - ay;
  const long long l2 = dx * dx + dy * dy;
  const long long w2 = static_cast<long long>(width) * width;
  const long long t = (px - ax) * dx + (py - ay) * dy;
  if (l2 == 0 || t <= 0) return 4 * ((px - ax) * (px - ax) + (py - ay) * (py - ay)) <= w2;
  if (t >= l2) return 4 * ((px - bx) * (px - bx) + (py - by) * (py - by)) <= w2;
  const long long cross = dx * (py - ay) - dy * (px - ax);
  return 4 * cross * cross <= w2 * l2;
}

TEST(WideLine, DotsAreRoundAndCentred) {
  Image w2(7, 7, kWhite), w4(7, 7, kWhite), w8(11, 11, kWhite);
  ExpectSameRect(DrawLine(w2, 3, 3, 3, 3, kBlack, 2), Rect{2, 2, 4, 4});
  DrawLine(w4, 3, 3, 3, 3, kBlack, 4);
  ExpectSameRect(DrawLine(w8, 5, 5, 5, 5, kBlack, 8), Rect{1, 1, 9, 9});
  EXPECT_EQ(Picture(w2), (std::vector<std::string>{".......", ".......", "...#...", "..###..",
                                                   "...#...", ".......", "......."}));
  EXPECT_EQ(Picture(w4), (std::vector<std::string>{".......", "...#...", "..###..", ".#####.",
                                                   "..###..", "...#...", "......."}));
  EXPECT_EQ(Picture(w8),
            (std::vector<std::string>{"...........", ".....#.....", "...#####...", "..#######..",
                                      "..#######..", ".#########.", "..#######..", "..#######..",
                                      "...#####...", ".....#.....", "..........."}));
}

TEST(WideLine, HorizontalLineHasRoundCaps) {
  Image img(12, 9, kWhite);
  const Rect r = DrawLine(img, 3, 4, 8, 4, kBlack, 4);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"............", "............", "...######...",
                                                    "..########..", ".##########.", "..########..",
                                                    "...######...", "............", "............"}));
  ExpectSameRect(r, Rect{1, 2, 10, 6});
}

TEST(WideLine, SymmetricAboutItsMiddleAndUnderMirroring) {
  constexpr int kSize = 31, kC = 15;
  const int directions[][2] = {{6, 0}, {0, 5}, {4, 4}, {7, 3}, {2, 9}, {5, -2}, {1, 1}, {0, 0}};
  for (int width : {2, 4, 8}) {
    for (const auto& d : directions) {
      Image img(kSize, kSize, kWhite), mirror(kSize, kSize, kWhite);
      DrawLine(img, kC - d[0], kC - d[1], kC + d[0], kC + d[1], kBlack, width);
      DrawLine(mirror, kC + d[0], kC - d[1], kC - d[0], kC + d[1], kBlack, width);
      for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
          ASSERT_EQ(img.Get(x, y), img.Get(kSize - 1 - x, kSize - 1 - y))
              << "width " << width << " dir " << d[0] << ',' << d[1] << " at " << x << ',' << y;
          ASSERT_EQ(img.Get(x, y), mirror.Get(kSize - 1 - x, y))
              << "width " << width << " dir " << d[0] << ',' << d[1] << " at " << x << ',' << y;
        }
    }
  }
}

TEST(WideLine, MatchesTheDistanceRuleEverywhereAndReportsItsPixels) {
  constexpr int kSize = 20;
  Lcg rng{5};
  for (int n = 0; n < 1500; ++n) {
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
    ExpectSameRect(r, Changed(Image(kSize, kSize, kWhite), img));
  }
}

TEST(WideLine, FarEndsAreClipped) {
  Image img(16, 10, kWhite);
  ExpectSameRect(DrawLine(img, INT_MIN, 5, INT_MAX, 5, kBlack, 4), Rect{0, 3, 15, 7});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 16; ++x) EXPECT_EQ(img.Get(x, y) == kBlack, y >= 3 && y <= 7);

  Image untouched(16, 10, kWhite);
  EXPECT_TRUE(DrawLine(untouched, INT_MIN, INT_MIN, INT_MAX, INT_MIN, kBlack, 8).Empty());
  EXPECT_TRUE(DrawLine(untouched, -1000000000, -1000000000, -1000000000, 1000000000, kBlack, 8).Empty());
  EXPECT_TRUE(DrawLine(untouched, -30, 0, 0, -30, kBlack, 8).Empty());
  EXPECT_TRUE(Changed(Image(16, 10, kWhite), untouched).Empty());
}

// ---------------------------------------------------------------------------
// Flood fill

TEST(FloodFill, FillsTheOutsideOfARingButNotTheHoleInside) {
  const std::vector<std::string> rows{".........", ".#####...", ".#...#...", ".#...#...",
                                      ".#####...", "........."};
  Image img = FromPicture(rows);
  const Rect outside = FloodFillSurface(img, 0, 0, kWhite, kBlue);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"bbbbbbbbb", "b#####bbb", "b#...#bbb",
                                                    "b#...#bbb", "b#####bbb", "bbbbbbbbb"}));
  ExpectSameRect(outside, Rect{0, 0, 8, 5});

  Image hole = FromPicture(rows);
  const Rect inside = FloodFillSurface(hole, 3, 3, kWhite, kRed);
  EXPECT_EQ(Picture(hole), (std::vector<std::string>{".........", ".#####...", ".#rrr#...",
                                                     ".#rrr#...", ".#####...", "........."}));
  ExpectSameRect(inside, Rect{2, 2, 4, 3});
}

TEST(FloodFill, OnlyFourNeighboursConnect) {
  Image img = FromPicture({".#....", "#.....", "......"});
  ExpectSameRect(FloodFillSurface(img, 0, 0, kWhite, kRed), Rect{0, 0, 0, 0});
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"r#....", "#.....", "......"}));
}

TEST(FloodFill, FollowsPassagesDownAndBackUp) {
  // Down the first passage, up the second, down again and up the third.
  Image img = FromPicture({"#.#.#.#", "#.#.#.#", "#...#.#", "###...#", "#######"});
  ExpectSameRect(FloodFillSurface(img, 1, 0, kWhite, kBlue), Rect{1, 0, 5, 3});
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"#b#b#b#", "#b#b#b#", "#bbb#b#", "###bbb#",
                                                    "#######"}));
}

TEST(FloodFill, ReplacesOnlyTheTargetColourWhateverSurroundsIt) {
  // The surface fill stops at any other colour, not at one border colour.
  Image img = FromPicture({"..r..", ".b.#.", "..#..", "....."});
  FloodFillSurface(img, 0, 0, kWhite, kBlack);
  // (2, 1) is white too, but cut off on all four sides.
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"##r##", "#b.##", "#####", "#####"}));
}

TEST(FloodFill, WholeUniformImage) {
  Image img(200, 150, kWhite);
  ExpectSameRect(FloodFillSurface(img, 117, 23, kWhite, kRed), Rect{0, 0, 199, 149});
  for (uint32_t p : img.pixels) ASSERT_EQ(raster::FromPixel(p), kRed);
}

TEST(FloodFill, LargeImageNeedsNoRecursion) {
  // A comb of one-pixel teeth: deep, narrow regions everywhere.
  Image img(1500, 1500, kWhite);
  for (int x = 1; x < 1500; x += 2) DrawLine(img, x, 1, x, 1499, kBlack, 1);
  const Rect r = FloodFillSurface(img, 0, 1499, kWhite, kBlue);
  ExpectSameRect(r, Rect{0, 0, 1499, 1499});
  EXPECT_EQ(img.Get(1498, 1499), kBlue);
  EXPECT_EQ(img.Get(1499, 0), kBlue);
  EXPECT_EQ(img.Get(1499, 1), kBlack);
}

TEST(FloodFill, DoesNothingWhenThereIsNothingToFill) {
  const std::vector<std::string> rows{"..#", ".#.", "#.."};
  for (auto [x, y, target, fill] : std::vector<std::tuple<int, int, uint32_t, uint32_t>>{
           {-1, 0, kWhite, kRed},   // outside the image
           {3, 0, kWhite, kRed},
           {0, 3, kWhite, kRed},
           {2, 0, kWhite, kRed},    // the point is not of the target colour
           {0, 0, kRed, kBlue},
           {0, 0, kWhite, kWhite},  // nothing would change
       }) {
    Image img = FromPicture(rows);
    EXPECT_TRUE(FloodFillSurface(img, x, y, target, fill).Empty()) << x << ',' << y;
    EXPECT_EQ(Picture(img), rows);
  }
}

TEST(FloodFill, AgreesWithAPlainSearchOnNoise) {
  constexpr int kW = 41, kH = 29;
  Lcg rng{17};
  for (int n = 0; n < 60; ++n) {
    Image img(kW, kH, kWhite);
    for (uint32_t& p : img.pixels) p = raster::ToPixel(rng.Next(0, 99) < 42 ? kBlack : kWhite);
    const int sx = rng.Next(0, kW - 1), sy = rng.Next(0, kH - 1);
    img.Row(sy)[sx] = raster::ToPixel(kWhite);

    std::vector<char> reached(kW * kH, 0);
    std::deque<std::pair<int, int>> queue{{sx, sy}};
    reached[sy * kW + sx] = 1;
    while (!queue.empty()) {
      const auto [x, y] = queue.front();
      queue.pop_front();
      const int nb[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& q : nb) {
        if (img.Contains(q[0], q[1]) && !reached[q[1] * kW + q[0]] && img.Get(q[0], q[1]) == kWhite) {
          reached[q[1] * kW + q[0]] = 1;
          queue.emplace_back(q[0], q[1]);
        }
      }
    }
    const Image before = img;
    const Rect r = FloodFillSurface(img, sx, sy, kWhite, kRed);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        ASSERT_EQ(img.Get(x, y), reached[y * kW + x] ? kRed : before.Get(x, y)) << x << ',' << y;
    ExpectSameRect(r, Changed(before, img));
  }
}

TEST(FloodFill, ComparesColoursNotAlpha) {
  Image img(3, 1, kWhite);
  img.pixels[1] &= 0x00FFFFFFu;  // white as a picture file may bring it
  FloodFillSurface(img, 0, 0, kWhite, kBlue);
  EXPECT_EQ(Picture(img), (std::vector<std::string>{"bbb"}));
}

// ---------------------------------------------------------------------------
// Scale units to pixels

raster::Mapping CanvasOf(int width, int height) {
  // The canvas's own system: origin at the centre, 1.05 units per pixel.
  raster::Mapping m;
  m.scaleWidth = width * 1.05;
  m.scaleHeight = height * 1.05;
  m.scaleLeft = -m.scaleWidth / 2;
  m.scaleTop = -m.scaleHeight / 2;
  m.width = width;
  m.height = height;
  return m;
}

TEST(Mapping, MapsTheCanvasSystemOntoItsPixels) {
  const raster::Mapping m = CanvasOf(1024, 768);
  EXPECT_EQ(m.PixelX(m.scaleLeft), 0);
  EXPECT_EQ(m.PixelX(0), 512);
  EXPECT_EQ(m.PixelX(537), 1023);
  EXPECT_EQ(m.PixelX(-m.scaleLeft), 1024);  // the right edge is just outside
  EXPECT_EQ(m.PixelX(-538), -1);
  EXPECT_EQ(m.PixelY(0), 384);
  EXPECT_EQ(m.PixelY(m.scaleTop), 0);
  EXPECT_EQ(m.PixelY(403.1), 767);
  EXPECT_DOUBLE_EQ(m.UnitX(0), -537.6);
  EXPECT_DOUBLE_EQ(m.UnitX(512), 0);
  EXPECT_DOUBLE_EQ(m.UnitY(768), 403.2);
}

TEST(Mapping, EveryUnitFallsInThePixelWhoseSpanHoldsIt) {
  const raster::Mapping m = CanvasOf(1920, 1080);
  for (double u = -1008; u < 1008; u += 0.37) {
    const int px = m.PixelX(u);
    EXPECT_LE(m.UnitX(px), u + 1e-9);
    EXPECT_GT(m.UnitX(px + 1), u - 1e-9);
  }
}

TEST(Mapping, NonFiniteAndHugeValuesStayFarOutsideWithoutOverflow) {
  const raster::Mapping m = CanvasOf(800, 600);
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_GE(m.PixelX(inf), 100000000);
  EXPECT_LE(m.PixelX(-inf), -100000000);
  EXPECT_GE(m.PixelY(1e300), 100000000);
  EXPECT_LE(m.PixelY(-1e300), -100000000);
  EXPECT_GE(m.PixelX(3e9), 100000000);
  const int fromNan = m.PixelX(nan);
  EXPECT_TRUE(fromNan < -100000000 || fromNan > 100000000);
  // Lines to such points stay harmless.
  Image img(800, 600, kWhite);
  for (double a : {inf, -inf, nan, 1e300, -1e300})
    for (int width : {1, 3})
      DrawLine(img, m.PixelX(0), m.PixelY(0), m.PixelX(a), m.PixelY(a), kBlack, width);
  EXPECT_EQ(img.Get(400, 300), kBlack);
}

TEST(Mapping, ADegenerateScaleGivesFarPixelsNotACrash) {
  raster::Mapping m = CanvasOf(800, 600);
  m.scaleWidth = 0;
  const int p = m.PixelX(1);
  EXPECT_TRUE(p < -100000000 || p > 100000000);
  const int q = m.PixelX(m.scaleLeft);  // 0 / 0
  EXPECT_TRUE(q < -100000000 || q > 100000000);
}

}  // namespace
