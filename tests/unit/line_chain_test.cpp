#include "base/line_chain.h"

#include <gtest/gtest.h>

namespace {

using base::LineChain;
using base::LineLog;
using base::Mapping;

const Mapping kCanvas{-168, -105, 336, 210, 320, 200};

// Point i of a curve, computed in double precision as the drawing does; lines take singles.
float X(size_t i) { return static_cast<float>(119.97 - 5.113 * static_cast<double>(i)); }
float Y(size_t i) { return static_cast<float>(1.1 + 3.0071 * static_cast<double>(i)); }

void DrawChain(LineChain& chain, base::Image& img, size_t from, size_t to, base::Rect& changed) {
  for (size_t i = from; i < to; ++i) chain.Line(img, X(i - 1), Y(i - 1), X(i), Y(i), changed);
}

// Ends are rounded to single precision before mapping, for pixels and log alike,
// however the compiler arranges the arithmetic.
TEST(LineChain, MapsTheSinglePrecisionEnds) {
  LineLog log;
  base::Image img(320, 200, 0xFFFFFF), expected(320, 200, 0xFFFFFF);
  LineChain chain(kCanvas, 0xFF, 1, &log);
  base::Rect changed;
  DrawChain(chain, img, 1, 40, changed);
  ASSERT_EQ(log.Points().size(), 40u);
  auto x = [](size_t i) { return kCanvas.PositionX(X(i)); };
  auto y = [](size_t i) { return kCanvas.PositionY(Y(i)); };
  for (size_t i = 1; i < 40; ++i) {
      base::DrawLine(expected, Mapping::PixelIndex(x(i - 1)), Mapping::PixelIndex(y(i - 1)),
                     Mapping::PixelIndex(x(i)), Mapping::PixelIndex(y(i)), 0xFF, 1);
  }
  EXPECT_EQ(img.pixels, expected.pixels);
  EXPECT_FALSE(changed.Empty());
}

// A chain going on where the last one ended continues its polyline unless another line came
// between.
TEST(LineChain, ANewChainContinuesThePolylineUnlessAnotherLineCameBetween) {
  LineLog log;
  base::Image img(320, 200, 0xFFFFFF);
  base::Rect changed;
  for (const size_t from : {1, 10}) {  // two chains: lines 1-9, then 10-19
    LineChain a(kCanvas, 0xFF, 1, &log);
    DrawChain(a, img, from, from == 1 ? 10 : 20, changed);
  }
  EXPECT_EQ(log.Runs().size(), 1u);
  EXPECT_EQ(log.Segments(), 19u);
  LineChain c(kCanvas, 0xFF, 1, &log);
  DrawChain(c, img, 20, 25, changed);
  log.Add(0, 0, 5, 5, 0xFF, 1);  // someone else's line
  DrawChain(c, img, 25, 30, changed);
  ASSERT_EQ(log.Runs().size(), 3u);
  EXPECT_EQ(log.Segments(), 30u);
  EXPECT_EQ(log.Points()[log.Runs()[2].first].x, LineLog::Position(kCanvas.PositionX(X(24))));
}

}  // namespace
