#include "base/picture_history.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A checksum of the visible pixels, to compare pictures without keeping them.
uint64_t Sum(const base::Image& img) {
  uint64_t h = 1469598103934665603u;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) h = (h ^ img.Row(y)[x]) * 1099511628211u;
  return h;
}

// A roulette of 2000 chords a step, in a colour of its own, over the last.
void DrawStep(base::Image& img, int step) {
  const double k = 3 + step % 7, r = 100 + 9 * step, bgr = 0x10305 * (step + 1);
  int px = 0, py = 0;
  for (int i = 0; i <= 2000; ++i) {
    const double t = i * 6.2832 / 2000 * (step % 4 + 1);
    const int x = 960 + static_cast<int>(r * std::cos(t) + 300 * std::cos(k * t));
    const int y = 540 + static_cast<int>(r * std::sin(t) - 300 * std::sin(k * t)) / 2;
    if (i > 0) base::DrawLine(img, px, py, x, y, static_cast<uint32_t>(bgr) & 0xFFFFFF, 1);
    px = x, py = y;
  }
}

TEST(PictureHistory, ThirtyStepsBackAndForthAt1080pWithin16MiB) {
  base::PictureHistory history;
  base::Image canvas(1920, 1080, 0xFFFFFF);
  std::vector<uint64_t> drawn;
  history.KeepBlank(1920, 1080, 0xFFFFFF);
  for (int step = 0; step < 32; ++step) {
    DrawStep(canvas, step);
    drawn.push_back(Sum(canvas));
    history.Keep(canvas);
    history.Keep(canvas);  // the same picture twice is one step
  }
  DrawStep(canvas, 32);
  EXPECT_LE(history.Bytes(), size_t{16} << 20);
  ASSERT_EQ(history.BackSteps(), 33u);
  const uint64_t last = Sum(canvas);
  for (int step = 31; step >= 2; --step) {
    canvas = *history.Back(canvas);
    ASSERT_EQ(Sum(canvas), drawn[step]) << step;
  }
  for (int step = 3; step < 32; ++step)
    ASSERT_EQ(Sum(canvas = *history.Forward(canvas)), drawn[step]);
  EXPECT_EQ(Sum(*history.Forward(canvas)), last);
  EXPECT_FALSE(history.Forward(canvas));
  // A new change forgets the pictures stepped back over.
  history.Back(canvas);
  history.Keep(canvas);
  EXPECT_EQ(history.ForwardSteps(), 0u);
}

}  // namespace
