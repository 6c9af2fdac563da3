#include "base/line_chain.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using base::LineChain;
using base::LineLog;

const base::Mapping kCanvas{-168, -105, 336, 210, 320, 200};

struct Point {
  double x, y;
};

// Points of a curve in double precision, as the drawing computes them.
std::vector<Point> Curve() {
  std::vector<Point> pts;
  for (int i = 0; i < 40; ++i) pts.push_back({119.97 - 5.113 * i, 1.1 + 3.0071 * i});
  return pts;
}

void DrawChain(LineChain& chain, base::Image& img, const std::vector<Point>& pts, size_t from,
               size_t to, base::Rect& changed) {
  for (size_t i = from; i < to; ++i)
    chain.Line(img, static_cast<float>(pts[i - 1].x), static_cast<float>(pts[i - 1].y),
               static_cast<float>(pts[i].x), static_cast<float>(pts[i].y), changed);
}

// Ends are rounded to single precision before mapping, for pixels and log alike,
// however the compiler arranges the arithmetic.
TEST(LineChain, MapsTheSinglePrecisionEnds) {
  const base::Mapping& m = kCanvas;
  const std::vector<Point> pts = Curve();
  LineLog log;
  base::Image img(320, 200, 0xFFFFFF), expected(320, 200, 0xFFFFFF);
  LineChain chain(m, 0xFF, 1, &log);
  base::Rect changed;
  DrawChain(chain, img, pts, 1, pts.size(), changed);
  ASSERT_EQ(log.Points().size(), pts.size());
  auto x = [&](size_t i) { return m.PositionX(static_cast<float>(pts[i].x)); };
  auto y = [&](size_t i) { return m.PositionY(static_cast<float>(pts[i].y)); };
  for (size_t i = 0; i < pts.size(); ++i) {
    EXPECT_EQ(log.Points()[i].x, LineLog::Position(x(i))) << i;
    EXPECT_EQ(log.Points()[i].y, LineLog::Position(y(i))) << i;
    if (i > 0)
      base::DrawLine(expected, base::Mapping::PixelIndex(x(i - 1)),
                     base::Mapping::PixelIndex(y(i - 1)), base::Mapping::PixelIndex(x(i)),
                     base::Mapping::PixelIndex(y(i)), 0xFF, 1);
  }
  EXPECT_EQ(img.pixels, expected.pixels);
  EXPECT_FALSE(changed.Empty());
}

// A chain going on where the last one ended continues its polyline, unless
// another line was logged in between.
TEST(LineChain, ANewChainContinuesThePolylineUnlessAnotherLineCameBetween) {
  const std::vector<Point> pts = Curve();
  LineLog log;
  base::Image img(320, 200, 0xFFFFFF);
  base::Rect changed;
  for (const size_t from : {1, 10}) {  // two chains: lines 1-9, then 10-19
    LineChain a(kCanvas, 0xFF, 1, &log);
    DrawChain(a, img, pts, from, from == 1 ? 10 : 20, changed);
  }
  EXPECT_EQ(log.Runs().size(), 1u);
  EXPECT_EQ(log.Segments(), 19u);

  LineChain c(kCanvas, 0xFF, 1, &log);
  DrawChain(c, img, pts, 20, 25, changed);
  log.Add(0, 0, 5, 5, 0xFF, 1);  // someone else's line
  DrawChain(c, img, pts, 25, 30, changed);
  ASSERT_EQ(log.Runs().size(), 3u);
  EXPECT_EQ(log.Segments(), 30u);
  const base::LinePoint start = log.Points()[log.Runs()[2].first];
  EXPECT_EQ(start.x, LineLog::Position(kCanvas.PositionX(static_cast<float>(pts[24].x))));
}

}  // namespace
