// Drawings at the edges: no step, no scale left, steps backwards, fills off the picture.
#include <algorithm>

#include "base/curve_math.h"
#include "base/input_codes.h"
#include "canvas/canvas_input.h"
#include "engine/draw_driver.h"
#include "tests/window_fixture.h"

namespace {

using DrawFrame = WindowTest;

TEST_F(DrawFrame, CurvesWithoutAStepDrawNothingAndWriteNoNaN) {
  for (const char* resolution : {"0", "1440"}) {
    w.TxtResolution.SetText(resolution);
    w.wheels.WheelSize[2] = std::string(resolution) == "0" ? 5 : 0;
    w.TxtLoop.SetText("2");
    w.TxtRotInc.SetText("10");
    engine::CmdDraw_Click(w);
    for (uint32_t px : w.Canvas.Raster().pixels) ASSERT_EQ(px, 0xFFFFFFFFu) << resolution;
    EXPECT_EQ(w.draw.PassNumber, 3);
    for (forms::TextBox* f : {&w.TxtX, &w.TxtY, &w.TxtRotStart, &w.TxtFixed, &w.TxtRotations})
      EXPECT_EQ(f->Text().find_first_of("#aAnN"), std::string::npos)
          << f->Name() << "=" << f->Text();
  }
}

TEST_F(DrawFrame, DecPastTheLargestNumberKeepsTheScales) {
  w.ChkScale.SetValue(0);
  w.TxtRotations.SetText("0");
  w.TxtLoop.SetText("2");
  w.TxtPctDec.SetText("1e300");
  w.TxtX.SetText("1e10");
  w.TxtY.SetText("2");
  engine::CmdDraw_Click(w);
  // X: 1e310 overflows in the first pass and stays; Y grows to 2e300, then
  // overflows too. The last pass drew at the X shown: 235 + 195 units right.
  EXPECT_EQ(w.TxtX.Text(), "10000000000");
  EXPECT_EQ(w.TxtY.Text(), "2E+300");
  EXPECT_DOUBLE_EQ(w.draw.ScaledX, 430 * 1e10);
}

// A negative Res. from a file walks back: 0, then -pi, which is Rotations, drawn.
TEST_F(DrawFrame, ANegativeResolutionStepsBackToItsEnd) {
  w.TxtResolution.SetText("-2");
  w.TxtRotations.SetText("-3.14159265358979");
  engine::CmdDraw_Click(w);
  EXPECT_EQ(w.draw.CurveParam, -2 * base::kPi);
}

// A mirror image above the picture fills from its top row, not from row 1.
TEST_F(DrawFrame, AMirroredFillAboveThePictureStartsOnItsTopRow) {
  base::Image& img = w.Canvas.EditRaster();
  for (int y : {0, 2}) std::fill_n(img.Row(y), img.width, 0xFF000000u);
  w.MouseX = -500;
  canvas::Canvas_MouseDown(w, base::kMiddleButton, base::kShiftKey);
  EXPECT_EQ(w.Canvas.Raster().Get(512, 1), 0xFFFFFF);
  EXPECT_EQ(w.Canvas.Raster().Get(512, 3), 0x0000FF);
}

}  // namespace
