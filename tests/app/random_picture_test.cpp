// Random pictures from a seeded generator: what the window picked, showed and
// drew, and where the generator stands after it (the order of the draws).
#include "random/random_picture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "random/colour_bar.h"
#include "window/captions.h"
#include "tests/window_fixture.h"

namespace {

constexpr double kSeed = 1;

class RandomPicture : public WindowTest {
 protected:
  explicit RandomPicture(int depth = 32) : WindowTest(1024, 768, depth, kSeed) {}
  void ExpectSizes(std::vector<double> want) {
    for (size_t i = 1; i <= want.size(); ++i) EXPECT_EQ(w.wheels.WheelSize[i], want[i - 1]) << i;
  }
  std::vector<int> Rgb() const { return {w.DrawRed, w.DrawGreen, w.DrawBlue}; }
  std::vector<int> Bar() const {
    return {w.ScrollRatio.Min(), w.ScrollRatio.Max(), w.ScrollRatio.Value()};
  }

};

TEST_F(RandomPicture, SingleWheelPicksSizesColourAndResolutionInOrder) {
  const auto ratios = w.wheels.WheelRatio;
  random_pictures::CmdRandom_Click(w);
  // Wheels above the count were picked (their draws used up) and cleared.
  ExpectSizes({324, 47, -52, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(w.wheels.WheelRatio, ratios);  // single-wheel mode draws no ratio
  EXPECT_EQ(Rgb(), (std::vector<int>{33, 119, 229}));
  EXPECT_EQ(w.Canvas.ForeColor(), 33 + 256 * 119 + 65536 * 229);
  EXPECT_EQ(w.TxtResolution.Number(), 90);
  EXPECT_EQ(w.TxtRotations.Text(), "329");  // 7 x 47 / gcd(324, 47)
  EXPECT_EQ(w.TxtFixed.Number(), 324);
  EXPECT_EQ(w.ScrollOffset.Value(), 324);
  EXPECT_EQ(w.rnd.Next(), 0.586027324f);
}

TEST_F(RandomPicture, MultiWheelRatiosAreOddUpToTheLimitPlusOne) {
  w.ChkMulti.SetValue(1);
  window::SetWheelLimit(w.CmdWheelLimit, w.picture, "5");
  w.WheelCount = 5;
  w.ChkEven.SetValue(1);
  w.ChkColor.SetValue(0);
  w.RatioLimit = 20;
  w.wheels.RandomSizeFlag[2] = 0;
  w.wheels.RandomRatioFlag[7] = 0;
  w.wheels.WheelSize[2] = 33;
  w.TxtRotations.SetText("3");
  random_pictures::CmdRandom_Click(w);
  // No negative sizes; wheel 2 and ratio 7 kept; odd ratios up to 21.
  ExpectSizes({324, 33, 47, 52, 85, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  const std::array<double, 25> ratios = {0,   13, -3, 19, 13, 9,   15, 19,  7,  -3, 13,  -21, -3,
                                         -13, 17, 13, -5, 13, -15, 7,  -17, 15, -9, -11, 13};
  EXPECT_EQ(w.wheels.WheelRatio, ratios);
  EXPECT_EQ(w.TxtResolution.Number(), 656);  // the second draw replaced the first
  EXPECT_EQ(w.TxtRotations.Text(), "7");
  EXPECT_EQ(w.TxtRatio1.Number(), 13);
  EXPECT_EQ(w.ScrollRatio.Value(), 13);
  EXPECT_EQ(w.rnd.Next(), 0.0771177411f);
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
  EXPECT_EQ(Bar(), (std::vector<int>{-250, 250, 250}));
  w.wheels.WheelRatio[1] = -40000;
  random_pictures::CmdRandom_Click(w);
  EXPECT_EQ(Bar(), (std::vector<int>{-32767, 32767, -32767}));
  // Only the bar is limited.
  EXPECT_EQ(w.wheels.WheelRatio[1], -40000);
  EXPECT_EQ(w.TxtRatio1.Text(), "-40000");
}

// The right button on the colour bar, as Qt delivers it, paints a random
// background (the panel stays) and keeps the drawing colour.
TEST_F(RandomPicture, ColourBarRightClickPaintsABackgroundAndKeepsTheDrawingColour) {
  w.Canvas.Line(-100, 0, 100, 0);
  const auto drawn = w.Canvas.Raster().pixels;
  const uint32_t fore = w.Canvas.ForeColor(), bar = w.CmdColorBar.BackColor();
  QWidget* button = w.CmdColorBar.Widget();
  const QPointF at(5, 5);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, button->mapToGlobal(at), Qt::RightButton,
                  type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(button, &e);
  }
  EXPECT_TRUE(w.CmdColorBar.Visible());
  EXPECT_EQ(w.Canvas.BackColor(), 184 + 256 * 79 + 65536 * 250);
  EXPECT_EQ(w.Canvas.Point(0, 0), w.Canvas.BackColor());
  EXPECT_EQ(w.Canvas.ForeColor(), fore);
  EXPECT_EQ(w.CmdColorBar.BackColor(), bar);
  EXPECT_EQ(w.DrawRed, 255);
  // The middle button changes nothing and draws nothing.
  random_pictures::CmdColorBar_MouseDown(w, 4);
  EXPECT_EQ(w.rnd.Next(), 0.340773761f);
  random_pictures::CmdColorBar_KeyPress(w.Canvas, w.Undo, 8);
  EXPECT_EQ(w.Canvas.Raster().pixels, drawn);
}

class RandomPicture16 : public RandomPicture {
 protected:
  RandomPicture16() : RandomPicture(16) {}
};

TEST_F(RandomPicture16, LeftClickKeepsA256InTheComponentsAndShows255) {
  // Seed 40 draws a green of 256 (64 steps of 4).
  w.rnd.Randomize(40);
  random_pictures::CmdColorBar_MouseDown(w, 1);
  EXPECT_EQ(Rgb(), (std::vector<int>{128, 256, 112}));
  const uint32_t shown = 128 + 256 * 255 + 65536 * 112;
  EXPECT_EQ(w.CmdColorBar.BackColor(), shown);
  EXPECT_EQ(w.Canvas.ForeColor(), shown);
  EXPECT_EQ(w.form.Focused(), &w.Canvas);
  random_pictures::CmdColorBar_MouseDown(w, 1);  // red and blue in steps of 8
  random_pictures::CmdColorBar_MouseDown(w, 1);
  EXPECT_EQ(Rgb(), (std::vector<int>{88, 224, 192}));
}

}  // namespace
