// The frame of a drawing for values a user cannot type but a parameter file
// can bring: no passes, more passes than 16 bits count, and curves without a
// step. Runs the main window on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <cmath>

#include "app/startup.h"
#include "engine/draw_driver.h"
#include "engine/scale_fit.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

class DrawFrame : public ::testing::Test {
 protected:
  DrawFrame() : services(1024, 768, 32), w(services) {
    app::WireHandlers(w);
    app::Form_Load(w, true, 1);
    w.form.Show(false);
  }
  bool CanvasIsWhite() {
    for (uint32_t px : w.Canvas.Raster().pixels)
      if (px != 0xFFFFFFFFu) return false;
    return true;
  }
  forms::ScriptedServices services;
  window::TrochelaMain w;
};

TEST_F(DrawFrame, NoPassStillRoundsTheScalesAndUnlocks) {
  w.TxtLoop.SetText("0");
  w.TxtX.SetText("1.23456");
  w.TxtY.SetText("2.0004");
  w.ChkScale.SetValue(0);
  engine::CmdDraw_Click(w);
  EXPECT_EQ(w.draw.PassNumber, 1);
  EXPECT_EQ(w.TxtX.Text(), "1.235");
  EXPECT_EQ(w.TxtY.Text(), "2");
  EXPECT_TRUE(w.CmdDraw.Enabled());
  EXPECT_EQ(w.DrawingInProgress, 0);
  EXPECT_TRUE(CanvasIsWhite());
}

TEST_F(DrawFrame, LoopsAbove16BitsDrawTheLargestCount) {
  w.TxtLoop.SetText("100000");
  w.TxtRotations.SetText("-1");  // passes without steps keep the test quick
  engine::CmdDraw_Click(w);
  EXPECT_EQ(w.draw.PassNumber, 32768);
}

TEST_F(DrawFrame, CurvesWithoutAStepDrawNothingAndWriteNoNaN) {
  for (const char* resolution : {"0", "1440"}) {
    w.TxtResolution.SetText(resolution);
    w.wheels.WheelSize[2] = std::string(resolution) == "0" ? 5 : 0;
    w.TxtLoop.SetText("2");
    w.TxtRotInc.SetText("10");
    engine::CmdDraw_Click(w);
    EXPECT_TRUE(CanvasIsWhite()) << resolution;
    EXPECT_EQ(w.draw.PassNumber, 3);
    for (forms::TextBox* f : {&w.TxtX, &w.TxtY, &w.TxtRotStart, &w.TxtFixed, &w.TxtRotations})
      EXPECT_EQ(f->Text().find_first_of("#aAnN"), std::string::npos)
          << f->Name() << "=" << f->Text();
  }
}

TEST_F(DrawFrame, ChainNeverReadsAWheelAboveTwentyFour) {
  w.ChkScale.SetValue(0);  // the scale the drawing used stays in the field
  w.ChkMulti.SetValue(1);
  w.WheelCount = 30;
  w.CmdWheelLimit.SetCaption("30");
  for (int k = 4; k <= 24; ++k) w.wheels.WheelSize[k] = 1;
  w.TxtRotations.SetText("0");
  engine::CmdDraw_Click(w);
  double sum = 0;
  for (int k = 1; k <= 24; ++k) sum += w.wheels.WheelSize[k];
  EXPECT_DOUBLE_EQ(w.draw.PointY, sum * std::stod(w.TxtY.Text()));
}

TEST_F(DrawFrame, DecPastTheLargestNumberKeepsTheScales) {
  w.ChkScale.SetValue(0);
  w.TxtRotations.SetText("0");
  w.TxtLoop.SetText("2");
  w.TxtPctDec.SetText("1e300");
  w.TxtX.SetText("1e10");
  w.TxtY.SetText("2");
  engine::CmdDraw_Click(w);
  // X: 1e310 overflows in the first pass and stays; Y grows to 2e300, and
  // then overflows too.
  EXPECT_EQ(w.TxtX.Text(), "10000000000");
  EXPECT_EQ(w.TxtY.Text(), "2E+300");
  // The last pass drew at the X shown: its first point lies 235 + 195 units
  // right of the centre.
  EXPECT_DOUBLE_EQ(w.draw.ScaledX, 430 * 1e10);
}

TEST_F(DrawFrame, ScaleFittingThatWouldOverflowKeepsTheScales) {
  w.TxtX.SetText("6");
  w.TxtY.SetText("5");
  w.wheels.WheelSize[1] = 1e-40;  // a picture extent that a float barely holds
  w.wheels.WheelSize[2] = 0;
  w.wheels.WheelSize[3] = 0;
  engine::FitScale(w);
  EXPECT_GT(w.PictureExtent, 0);
  EXPECT_EQ(w.TxtX.Text(), "6");
  EXPECT_EQ(w.TxtY.Text(), "5");
}

}  // namespace
