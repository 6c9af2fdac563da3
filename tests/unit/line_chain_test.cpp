#include "base/line_chain.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using base::LineChain;
using base::LineLog;

base::Mapping CanvasMapping() {
  base::Mapping m;
  m.scaleLeft = -168;
  m.scaleTop = -105;
  m.scaleWidth = 336;
  m.scaleHeight = 210;
  m.width = 320;
  m.height = 200;
  return m;
}

struct Point {
  double x, y;
};

// Points of a curve as the drawing computes them, in double precision; the
// lines take them in single precision.
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

// The ends are taken in single precision before they are mapped, for the
// pixels and for the log alike, however the compiler arranges the arithmetic.
TEST(LineChain, MapsTheSinglePrecisionEnds) {
  const base::Mapping m = CanvasMapping();
  const std::vector<Point> pts = Curve();
  LineLog log;
  base::Image img(320, 200, 0xFFFFFF), expected(320, 200, 0xFFFFFF);
  LineChain chain(m, 0xFF, 1, &log);
  base::Rect changed;
  DrawChain(chain, img, pts, 1, pts.size(), changed);
  ASSERT_EQ(log.Points().size(), pts.size());
  for (size_t i = 0; i < pts.size(); ++i) {
    const double px = m.PositionX(static_cast<float>(pts[i].x));
    const double py = m.PositionY(static_cast<float>(pts[i].y));
    EXPECT_EQ(log.Points()[i].x, LineLog::Position(px)) << i;
    EXPECT_EQ(log.Points()[i].y, LineLog::Position(py)) << i;
    if (i > 0) {
      const double qx = m.PositionX(static_cast<float>(pts[i - 1].x));
      const double qy = m.PositionY(static_cast<float>(pts[i - 1].y));
      base::DrawLine(expected, base::Mapping::PixelIndex(qx), base::Mapping::PixelIndex(qy),
                     base::Mapping::PixelIndex(px), base::Mapping::PixelIndex(py), 0xFF, 1);
    }
  }
  EXPECT_EQ(img.pixels, expected.pixels);
  EXPECT_FALSE(changed.Empty());
}

// A drawing starts a new chain after every pause for events: the chain that
// goes on where the last one ended continues its polyline, unless another
// line was logged in between.
TEST(LineChain, ANewChainContinuesThePolylineUnlessAnotherLineCameBetween) {
  const std::vector<Point> pts = Curve();
  LineLog log;
  base::Image img(320, 200, 0xFFFFFF);
  base::Rect changed;
  {
    LineChain a(CanvasMapping(), 0xFF, 1, &log);
    DrawChain(a, img, pts, 1, 10, changed);
  }
  {
    LineChain b(CanvasMapping(), 0xFF, 1, &log);
    DrawChain(b, img, pts, 10, 20, changed);
  }
  EXPECT_EQ(log.Runs().size(), 1u);
  EXPECT_EQ(log.Segments(), 19u);

  LineChain c(CanvasMapping(), 0xFF, 1, &log);
  DrawChain(c, img, pts, 20, 25, changed);
  log.Add(0, 0, 5, 5, 0xFF, 1);  // someone else's line
  DrawChain(c, img, pts, 25, 30, changed);
  ASSERT_EQ(log.Runs().size(), 3u);
  EXPECT_EQ(log.Segments(), 30u);
  // The chain's polyline starts again at its own last end.
  const base::LinePoint start = log.Points()[log.Runs()[2].first];
  EXPECT_EQ(start.x, LineLog::Position(CanvasMapping().PositionX(static_cast<float>(pts[24].x))));
}

}  // namespace
