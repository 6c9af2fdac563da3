// Random pictures against the generator: each test replays the order of draws
// with its own base::Rnd seeded like the window, and compares what the window
// picked, showed and drew. Runs the main window on Qt's offscreen platform.
#include "random/random_picture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>
#include <functional>
#include <numeric>

#include "base/rnd.h"
#include "forms/scripted_services.h"
#include "random/colour_bar.h"
#include "random/slideshow.h"
#include "tests/window_fixture.h"
#include "window/trochela_main.h"

namespace {

constexpr double kSeed = 1;

// Int(Rnd * range), the product in double precision.
double Pick(base::Rnd& r, double range) {
  return std::floor(static_cast<double>(r.Next()) * range);
}

class RandomPicture : public WindowTest {
 protected:
  explicit RandomPicture(int depth = 32) : WindowTest(1024, 768, depth, kSeed) {
    ref.Randomize(kSeed);
  }
  // The sizes Random picks for the flagged wheels, negatives allowed or not.
  void ReplaySizes(bool negativeAllowed) {
    if (w.wheels.RandomSizeFlag[1]) size[1] = Pick(ref, 450) + 1;
    for (int i = 2; i <= 24; ++i) {
      if (!w.wheels.RandomSizeFlag[i]) continue;
      size[i] = Pick(ref, 150) + 1;
      if (Pick(ref, 2) + 1 == 1 && negativeAllowed) size[i] = -size[i];
    }
  }
  // A whole single-wheel picture with the start settings but a fixed
  // resolution (fine enough that the drawing yields): sizes and colour.
  void ReplaySingleWheelPicture() {
    ReplaySizes(true);
    for (int k = 0; k < 3; ++k) Pick(ref, 256);
  }
  // After the replay, the window's generator must stand where the test's does.
  void ExpectSameNextDraw() { EXPECT_EQ(w.rnd.Next(), ref.Next()); }

  base::Rnd ref;
  std::array<double, 25> size{};
};

TEST_F(RandomPicture, SingleWheelPicksSizesColourAndResolutionInOrder) {
  size = w.wheels.WheelSize;
  ReplaySizes(true);
  const double red = Pick(ref, 256), green = Pick(ref, 256), blue = Pick(ref, 256);
  const double resolution = Pick(ref, 120) + 4;
  const auto ratios = w.wheels.WheelRatio;
  random_pictures::CmdRandom_Click(w);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.wheels.WheelSize[i], size[i]) << i;
  // Wheels above the count were picked (their draws used up) and cleared.
  for (int i = 4; i <= 24; ++i) EXPECT_EQ(w.wheels.WheelSize[i], 0) << i;
  EXPECT_EQ(w.wheels.WheelRatio, ratios);  // single-wheel mode draws no ratio
  EXPECT_EQ(w.DrawRed, red);
  EXPECT_EQ(w.DrawGreen, green);
  EXPECT_EQ(w.DrawBlue, blue);
  EXPECT_EQ(w.Canvas.ForeColor(), red + 256 * green + 65536 * blue);
  EXPECT_EQ(w.TxtResolution.Number(), resolution);
  const long long g = std::gcd(static_cast<long long>(size[1]), static_cast<long long>(size[2]));
  EXPECT_EQ(w.TxtRotations.Text(),
            std::to_string(7 * std::llabs(static_cast<long long>(size[2])) / g));
  EXPECT_EQ(w.TxtFixed.Number(), size[1]);
  EXPECT_EQ(w.ScrollOffset.Value(), size[1]);
  ExpectSameNextDraw();
}

TEST_F(RandomPicture, MultiWheelRatiosAreOddUpToTheLimitPlusOne) {
  w.ChkMulti.SetValue(1);
  w.CmdWheelLimit.SetCaption("5");
  w.WheelCount = 5;
  w.ChkEven.SetValue(1);
  w.ChkColor.SetValue(0);
  w.RatioLimit = 20;
  w.wheels.RandomSizeFlag[2] = 0;
  w.wheels.RandomRatioFlag[7] = 0;
  w.wheels.WheelSize[2] = 33;
  w.TxtRotations.SetText("3");
  size = w.wheels.WheelSize;
  ReplaySizes(false);
  std::array<double, 25> ratio = w.wheels.WheelRatio;
  for (int i = 1; i <= 24; ++i) {
    if (!w.wheels.RandomRatioFlag[i]) continue;
    ratio[i] = Pick(ref, 20) + 1;
    if (std::fmod(ratio[i], 2) == 0) ratio[i] += 1;
    if (Pick(ref, 2) + 1 == 1) ratio[i] = -ratio[i];
  }
  Pick(ref, 120);  // the single-wheel resolution, replaced at once
  const double resolution = Pick(ref, 899) + 100;
  random_pictures::CmdRandom_Click(w);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(w.wheels.WheelSize[i], size[i]) << i;
  EXPECT_EQ(w.wheels.WheelSize[2], 33);
  for (int i = 6; i <= 24; ++i) EXPECT_EQ(w.wheels.WheelSize[i], 0) << i;
  for (int i = 1; i <= 24; ++i) {
    EXPECT_EQ(w.wheels.WheelRatio[i], ratio[i]) << i;
    if (i != 7) {
      EXPECT_EQ(std::fmod(std::fabs(ratio[i]), 2), 1) << i;
    }
  }
  EXPECT_EQ(w.TxtResolution.Number(), resolution);
  EXPECT_EQ(w.TxtRotations.Text(), "7");
  EXPECT_EQ(w.TxtRatio1.Number(), ratio[1]);
  EXPECT_EQ(w.ScrollRatio.Value(), ratio[1]);
  ExpectSameNextDraw();
}

TEST_F(RandomPicture, UnderlinedRatioLabelAllowsNegativeSizesInMultiWheelMode) {
  w.ChkMulti.SetValue(1);
  w.LblRatios.SetFontUnderline(true);
  for (int i = 1; i <= 24; ++i) w.wheels.RandomRatioFlag[i] = 0;
  w.ChkColor.SetValue(0);
  w.ChkResolution.SetValue(0);
  size = w.wheels.WheelSize;
  ReplaySizes(true);
  ASSERT_TRUE(size[2] < 0 || size[3] < 0);  // the seed turns a shown wheel round
  random_pictures::CmdRandom_Click(w);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.wheels.WheelSize[i], size[i]) << i;
  ExpectSameNextDraw();
}

TEST_F(RandomPicture, NothingOpenToChanceDrawsNothingButStillClearsAndDraws) {
  w.ChkMulti.SetValue(1);
  w.TxtRotations.SetText("3");
  for (int i = 1; i <= 24; ++i) w.wheels.RandomSizeFlag[i] = w.wheels.RandomRatioFlag[i] = 0;
  w.ChkColor.SetValue(0);
  w.ChkScale.SetValue(0);
  w.ChkResolution.SetValue(0);
  w.TxtLoop.SetText("1");
  random_pictures::CmdRandom_Click(w);
  EXPECT_EQ(w.TxtRotations.Text(), "7");
  EXPECT_EQ(w.draw.PassNumber, 2);  // it drew
  ExpectSameNextDraw();             // and used no draw
}

TEST_F(RandomPicture, WheelShownGoesThroughItsBarsWhichWidenForTheRatio) {
  w.ChkMulti.SetValue(1);
  for (int i = 1; i <= 24; ++i) w.wheels.RandomSizeFlag[i] = w.wheels.RandomRatioFlag[i] = 0;
  w.TxtRotations.SetText("0");
  w.wheels.WheelRatio[1] = 250;
  w.wheels.WheelSize[1] = 12.7;
  random_pictures::CmdRandom_Click(w);
  // The bars' Change handlers store their whole numbers back.
  EXPECT_EQ(w.wheels.WheelSize[1], 13);
  EXPECT_EQ(w.TxtFixed.Text(), "13");
  EXPECT_EQ(w.ScrollRatio.Max(), 250);
  EXPECT_EQ(w.ScrollRatio.Min(), -250);
  EXPECT_EQ(w.ScrollRatio.Value(), 250);
  w.wheels.WheelRatio[1] = -40000;
  random_pictures::CmdRandom_Click(w);
  EXPECT_EQ(w.ScrollRatio.Min(), -32767);
  EXPECT_EQ(w.ScrollRatio.Value(), -32767);
  // Only the bar is limited.
  EXPECT_EQ(w.wheels.WheelRatio[1], -40000);
  EXPECT_EQ(w.TxtRatio1.Text(), "-40000");
}

TEST_F(RandomPicture, SizePairWithoutClosingCountKeepsTheRotations) {
  for (int i = 1; i <= 24; ++i) w.wheels.RandomSizeFlag[i] = 0;
  w.wheels.WheelSize[2] = 2.5;  // as a parameter file can bring
  w.TxtRotations.SetText("99");
  w.TxtResolution.SetText("10");
  w.ChkResolution.SetValue(0);
  random_pictures::CmdRandom_Click(w);
  EXPECT_EQ(w.TxtRotations.Text(), "99");
}

// The right button on the colour bar, as Qt delivers it: the bar takes it
// (the canvas under the panel would hide the panel), the canvas gets a random
// background and keeps its drawing colour.
TEST_F(RandomPicture, ColourBarRightClickPaintsABackgroundAndKeepsTheDrawingColour) {
  w.Canvas.Line(-100, 0, 100, 0);
  const auto drawn = w.Canvas.Raster().pixels;
  const uint32_t fore = w.Canvas.ForeColor(), bar = w.CmdColorBar.BackColor();
  const double red = Pick(ref, 256), green = Pick(ref, 256), blue = Pick(ref, 256);
  QWidget* button = w.CmdColorBar.Widget();
  const QPointF at(5, 5);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, button->mapToGlobal(at), Qt::RightButton,
                  type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(button, &e);
  }
  EXPECT_TRUE(w.CmdColorBar.Visible());
  EXPECT_EQ(w.Canvas.BackColor(), red + 256 * green + 65536 * blue);
  EXPECT_EQ(w.Canvas.Point(0, 0), w.Canvas.BackColor());
  EXPECT_EQ(w.Canvas.ForeColor(), fore);
  EXPECT_EQ(w.CmdColorBar.BackColor(), bar);
  EXPECT_EQ(w.DrawRed, 255);
  // The middle button changes nothing and draws nothing.
  random_pictures::CmdColorBar_MouseDown(w, 4);
  ExpectSameNextDraw();
  random_pictures::CmdColorBar_KeyPress(w, 8);
  EXPECT_EQ(w.Canvas.Raster().pixels, drawn);
}

class RandomPicture16 : public RandomPicture {
 protected:
  RandomPicture16() : RandomPicture(16) {}
};

TEST_F(RandomPicture16, LeftClickKeepsA256InTheComponentsAndShows255) {
  // A seed whose first three draws give a component of 256 (red or blue at
  // r >= 256/257, green likewise).
  double seed = 0;
  for (double s = 1; s < 100000 && !seed; ++s) {
    base::Rnd r;
    r.Randomize(s);
    if (Pick(r, 257.0 / 8) == 32 || Pick(r, 257.0 / 4) == 64 || Pick(r, 257.0 / 8) == 32) seed = s;
  }
  ASSERT_NE(seed, 0);
  ref.Randomize(seed);
  w.rnd.Randomize(seed);
  const int red = Pick(ref, 257.0 / 8) * 8, green = Pick(ref, 257.0 / 4) * 4,
            blue = Pick(ref, 257.0 / 8) * 8;
  random_pictures::CmdColorBar_MouseDown(w, 1);
  EXPECT_EQ(w.DrawRed, red);
  EXPECT_EQ(w.DrawGreen, green);
  EXPECT_EQ(w.DrawBlue, blue);
  EXPECT_TRUE(red == 256 || green == 256 || blue == 256);
  const uint32_t shown =
      std::min(red, 255) + 256 * std::min(green, 255) + 65536 * std::min(blue, 255);
  EXPECT_EQ(w.CmdColorBar.BackColor(), shown);
  EXPECT_EQ(w.Canvas.ForeColor(), shown);
  EXPECT_EQ(w.form.Focused(), &w.Canvas);
}

// Looks at the window at every yield of the slideshow (its pictures and its
// pauses), counting the drawings started, and lets a test act there as a user
// would: `act` runs at each yield with the number of drawings started so far.
class Watcher {
 public:
  Watcher(window::TrochelaMain& w, std::function<void(int drawings, bool drawing)> act)
      : w_(w), act_(std::move(act)) {
    w_.form.Post([this] { Poll(); });
  }
  ~Watcher() { done_ = true; }
  int Drawings() const { return drawings_; }

 private:
  void Poll() {
    if (done_) return;
    // The next look is queued first: the action may start a nested show.
    w_.form.Post([this] { Poll(); });
    const bool drawing = w_.DrawingInProgress != 0;
    if (drawing && !drawing_) ++drawings_;
    drawing_ = drawing;
    act_(drawings_, drawing);
  }
  window::TrochelaMain& w_;
  std::function<void(int, bool)> act_;
  int drawings_ = 0;
  bool drawing_ = false;
  bool done_ = false;
};

TEST_F(RandomPicture, SlideshowClickedDuringTheSecondPictureEndsAfterItsPause) {
  w.ChkResolution.SetValue(0);
  ReplaySingleWheelPicture();
  ReplaySingleWheelPicture();
  double clickedAt = 0;
  Watcher watch(w, [&](int drawings, bool drawing) {
    if (drawings == 2 && drawing && w.SlideshowRunning) {
      w.CmdSlide.Click();
      EXPECT_EQ(w.SlideshowRunning, 0);
      EXPECT_FALSE(w.CmdSlide.Pressed());
      clickedAt = services.Timer();
    }
  });
  const double start = services.Timer();
  w.CmdSlide.Click();
  const double end = services.Timer();
  EXPECT_EQ(watch.Drawings(), 2);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.wheels.WheelSize[i], size[i]) << i;
  ExpectSameNextDraw();  // no third picture
  EXPECT_GE(end - start, 2 * random_pictures::kSlidePauseSeconds);
  EXPECT_GE(end - clickedAt, random_pictures::kSlidePauseSeconds);
}

TEST_F(RandomPicture, StopEndsOnlyTheSlideshowPicture) {
  w.ChkResolution.SetValue(0);
  double firstEnd = -1, rotations = 0;
  bool running = false;
  Watcher watch(w, [&](int drawings, bool drawing) {
    if (drawings == 1 && drawing && !w.StopRequested && firstEnd < 0) {
      running = w.CmdSlide.Pressed();
      rotations = w.TxtRotations.Number();
      w.CmdStop.Click();
      firstEnd = 0;
    }
    if (drawings == 1 && !drawing && firstEnd == 0) firstEnd = w.draw.CurveParam;
    if (drawings == 2 && drawing && w.SlideshowRunning) w.CmdSlide.Click();
  });
  w.CmdSlide.Click();
  EXPECT_TRUE(running);
  EXPECT_EQ(watch.Drawings(), 2);
  EXPECT_GT(firstEnd, 0);
  EXPECT_LT(firstEnd, rotations / 2);
}

TEST_F(RandomPicture, SlideClickedWhileStoppingRunsANewShowInsideTheOld) {
  w.ChkResolution.SetValue(0);
  ReplaySingleWheelPicture();
  ReplaySingleWheelPicture();
  int nested = 0;
  Watcher watch(w, [&](int drawings, bool drawing) {
    if (drawings == 1 && drawing && w.SlideshowRunning) w.CmdSlide.Click();  // to Stopping
    if (drawings == 1 && !drawing && !w.SlideshowRunning && !nested) {
      nested = 1;
      w.CmdSlide.Click();  // a new show inside the old one's pause
      nested = 2;
    }
    if (drawings == 2 && drawing && w.SlideshowRunning) w.CmdSlide.Click();
  });
  w.CmdSlide.Click();
  EXPECT_EQ(nested, 2);
  EXPECT_EQ(watch.Drawings(), 2);
  EXPECT_EQ(w.SlideshowRunning, 0);
  ExpectSameNextDraw();
}

}  // namespace
