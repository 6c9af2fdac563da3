#include "base/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

using base::DrawLine;
using base::FloodFillSurface;
using base::Image;
using base::Rect;
using Rows = std::vector<std::string>;

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kBlue = 0xFF0000;
const std::string kCodes = ".#rb";  // white, black, red, blue; '?' anything else
constexpr uint32_t kColours[] = {kWhite, kBlack, kRed, kBlue};

Rows Picture(const Image& img) {
  Rows rows(img.height, std::string(img.width, '?'));
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      for (int i = 0; i < 4; ++i)
        rows[y][x] = img.Get(x, y) == kColours[i] ? kCodes[i] : rows[y][x];
  return rows;
}

Image FromPicture(const Rows& rows) {
  Image img(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      img.Row(y)[x] = base::ToPixel(kColours[kCodes.find(rows[y][x])]);
  return img;
}

std::vector<int> Box(const Rect& r) {
  return r.Empty() ? std::vector<int>{} : std::vector<int>{r.x0, r.y0, r.x1, r.y1};
}

TEST(Line, ExactPictures) {
  const Rows blank{"....", "....", "...."};
  // clang-format off
  // width, height, ends, pen width, the box reported, the picture
  for (const auto& [w, h, x0, y0, x1, y1, width, changed, rows] :
       std::initializer_list<std::tuple<int, int, int, int, int, int, int, Rect, Rows>>{
      // Zero length with width 0: one pixel; shallow, steep and rising lines include both ends.
      {3, 3, 1, 1, 1, 1, 0, {1, 1, 1, 1}, {"...", ".#.", "..."}},
      {8, 3, 0, 0, 7, 2, 1, {0, 0, 7, 2}, {"##......", "..####..", "......##"}},
      {3, 5, 0, 0, 2, 4, 1, {0, 0, 2, 4}, {"#..", ".#.", ".#.", "..#", "..#"}},
      {7, 4, 0, 3, 6, 0, 1, {0, 0, 6, 3}, {".....##", "...##..", ".##....", "#......"}},
      // Off the image, or beside a corner: nothing; one step in: the corner.
      {4, 3, 4, 0, 4, 0, 1, {}, blank},
      {4, 3, -2, 1, 1, -2, 1, {}, blank},
      {4, 3, -1, 1, 1, -1, 1, {0, 0, 0, 0}, {"#...", "....", "...."}},
      {4, 3, 2, 0, 2, -3, 1, {2, 0, 2, 0}, {"..#.", "....", "...."}},
      // Far ends are clipped, not walked, and light the pixels of the whole line.
      {4, 3, INT_MIN, INT_MAX, INT_MAX, INT_MAX - 3, 8, {}, blank},
      {4, 3, -30, 0, 0, -30, 8, {}, blank},
      {4, 3, INT_MIN, 1, INT_MAX, 1, 1, {0, 1, 3, 1}, {"....", "####", "...."}},
      {4, 3, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, {0, 0, 2, 2}, {"#...", ".#..", "..#."}},
      {6, 3, -(3 << 28), -(1 << 28), 3 << 28, 1 << 28, 1, {0, 0, 5, 2},
       {"##....", "..###.", ".....#"}},
      {3, 7, INT_MIN, 3, INT_MAX, 3, 4, {0, 1, 2, 4},
       {"...", "###", "###", "###", "###", "...", "..."}},
      // Wide: pixel centres within width / 2, round caps; an even width is `width` pixels across.
      {11, 5, 3, 2, 8, 2, 4, {1, 0, 9, 3},
       {"..#######..", ".#########.", ".#########.", "..#######..", "..........."}},
      {7, 7, 3, 3, 3, 3, 2, {2, 2, 3, 3},
       {".......", ".......", "..##...", "..##...", ".......", ".......", "......."}},
  }) {
    // clang-format on
    Image img(w, h, kWhite);
    const Rect r = DrawLine(img, x0, y0, x1, y1, kBlack, width);
    EXPECT_EQ(Picture(img), rows) << x0 << ',' << y0 << " - " << x1 << ',' << y1;
    EXPECT_EQ(Box(r), Box(changed));
  }
  Image empty;
  EXPECT_TRUE(DrawLine(empty, 0, 0, 5, 5, kBlack, 4).Empty());
}

// A line clipped to the picture lights there the pixels of the whole line:
// the same line on a larger picture, moved, shows the same pixels.
TEST(Line, ClippedLinesLightThePixelsOfTheWholeLine) {
  constexpr int kW = 12, kH = 9, kOff = 14;
  Rect changed;
  for (int x0 = -14; x0 < 26; x0 += 5)
    for (int y0 = -14; y0 < 23; y0 += 4)
      for (int x1 = -13; x1 < 26; x1 += 6)
        for (int y1 = -12; y1 < 23; y1 += 7) {
          Image small(kW, kH, 0xFFFFFF), big(kW + 2 * kOff, kH + 2 * kOff, 0xFFFFFF);
          DrawLine(small, x0, y0, x1, y1, 0, 1, changed);
          DrawLine(big, x0 + kOff, y0 + kOff, x1 + kOff, y1 + kOff, 0, 1, changed);
          for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
              ASSERT_EQ(small.Get(x, y), big.Get(x + kOff, y + kOff))
                  << x0 << "," << y0 << " " << x1 << "," << y1 << " at " << x << "," << y;
        }
}

TEST(FloodFill, FillsOnlyTheFourConnectedRegionOfTheTargetColour) {
  const Rows diag{"..#", ".#.", "#.."};
  // clang-format off
  for (const auto& [before, x, y, target, fill, changed, after] :
       std::initializer_list<std::tuple<Rows, int, int, uint32_t, uint32_t, Rect, Rows>>{
      // Down the first passage, up the second, down again and up the third.
      {{"#.#.#.#", "#.#.#.#", "#...#.#", "###...#", "#######"}, 1, 0, kWhite, kBlue, {1, 0, 5, 3},
       {"#b#b#b#", "#b#b#b#", "#bbb#b#", "###bbb#", "#######"}},
      // Any other colour stops it; diagonal neighbours do not connect (2, 1).
      {{"..r..", ".b.#.", "..#..", "....."}, 0, 0, kWhite, kBlack, {0, 0, 4, 3},
       {"##r##", "#b.##", "#####", "#####"}},
      // Nothing to do: outside the image, not on the target colour, fill = target.
      {diag, -1, 0, kWhite, kRed, {}, diag}, {diag, 0, 3, kWhite, kRed, {}, diag},
      {diag, 2, 0, kWhite, kRed, {}, diag}, {diag, 0, 0, kRed, kBlue, {}, diag},
      {diag, 0, 0, kWhite, kWhite, {}, diag}}) {
    // clang-format on
    Image img = FromPicture(before);
    EXPECT_EQ(Box(FloodFillSurface(img, x, y, target, fill)), Box(changed)) << x << ',' << y;
    EXPECT_EQ(Picture(img), after) << x << ',' << y;
  }
  // A comb of one-pixel teeth needs no recursion; alpha is ignored.
  Image comb(1500, 1500, kWhite);
  for (int x = 1; x < 1500; x += 2) DrawLine(comb, x, 1, x, 1499, kBlack, 1);
  comb.pixels[0] &= 0x00FFFFFFu;
  EXPECT_EQ(Box(FloodFillSurface(comb, 0, 1499, kWhite, kBlue)), Box(Rect{0, 0, 1499, 1499}));
  EXPECT_EQ((std::vector<int64_t>{comb.Get(0, 0), comb.Get(1498, 1499), comb.Get(1499, 1)}),
            (std::vector<int64_t>{kBlue, kBlue, kBlack}));
}

TEST(Mapping, CanvasSystemAndFarValues) {
  // Origin at the centre, 1.05 units per pixel; the right edge is just outside.
  base::Mapping m{-537.6, -403.2, 1075.2, 806.4, 1024, 768};
  EXPECT_EQ((std::vector<int>{m.PixelX(537), m.PixelX(537.6), m.PixelX(m.UnitX(511.5))}),
            (std::vector<int>{1023, 1024, 511}));
  // Non-finite and huge values land far outside without overflow; lines to them are harmless.
  Image img(1024, 768, kWhite);
  for (double a : {HUGE_VAL, -HUGE_VAL, std::nan(""), -1e300, 3e9}) {
    EXPECT_GT(std::llabs(m.PixelX(a)), 100000000) << a;
    for (int width : {1, 3}) DrawLine(img, 512, 384, m.PixelX(a), m.PixelY(a), kBlack, width);
  }
  EXPECT_EQ(img.Get(512, 384), kBlack);
  m.scaleWidth = 0;
  EXPECT_GT(std::llabs(m.PixelX(m.scaleLeft)), 100000000);
}

}  // namespace
