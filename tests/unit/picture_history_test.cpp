#include "base/picture_history.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

namespace {

size_t Sum(const base::Image& img) {  // the visible pixels' hash
  size_t h = 0;
  for (int y = 0; y < img.height; ++y)
    h = h * 31 + std::hash<std::string_view>()({reinterpret_cast<const char*>(img.Row(y)), img.width * 4u});
  return h;
}

// A roulette of 2000 chords, in a colour of its own, over the picture so far.
void DrawStep(base::Image& img, int step) {
  const double k = 3 + step % 7, r = 100 + 9 * step, turn = (step % 4 + 1) * 6.2832 / 2000;
  const auto x = [&](int i) { return 960 + int(r * std::cos(i * turn) + 300 * std::cos(k * i * turn)); };
  const auto y = [&](int i) { return 540 + int(r * std::sin(i * turn) - 300 * std::sin(k * i * turn)) / 2; };
  for (int i = 1; i <= 2000; ++i)
    base::DrawLine(img, x(i - 1), y(i - 1), x(i), y(i), (0x10305u * (step + 1)) & 0xFFFFFF, 1);
}

TEST(PictureHistory, ThirtyStepsBackAndForthAt1080pWithin16MiB) {
  base::PictureHistory history;
  base::Image canvas(1920, 1080, 0xFFFFFF);
  std::vector<size_t> drawn;
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
  const size_t last = Sum(canvas);
  for (int step = 31; step >= 2; --step) ASSERT_EQ(Sum(canvas = *history.Back(canvas)), drawn[step]);
  for (int step = 3; step < 32; ++step) ASSERT_EQ(Sum(canvas = *history.Forward(canvas)), drawn[step]);
  EXPECT_EQ(Sum(*history.Forward(canvas)), last);
  EXPECT_FALSE(history.Forward(canvas));
  history.Back(canvas);
  history.Keep(canvas);  // a new change forgets the pictures stepped back over
  EXPECT_EQ(history.ForwardSteps(), 0u);
  // The oldest go first: at most the steps asked for, and within the bytes.
  base::PictureHistory few(3, 1000);
  for (uint32_t colour = 0; colour < 5; ++colour) few.KeepBlank(10, 10, colour);
  EXPECT_EQ(few.BackSteps(), 3u);
  base::Image noise(40, 40, 0);
  for (size_t i = 0; i < noise.pixels.size(); ++i) noise.pixels[i] = uint32_t(i * 2654435761u);
  few.Keep(noise);  // larger than the bytes allowed: kept alone
  EXPECT_EQ(few.BackSteps(), 1u);
}

}  // namespace
