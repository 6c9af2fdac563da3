#include "engine/draw_driver.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/colours.h"
#include "base/curve_math.h"
#include "base/input_codes.h"
#include "base/numbers.h"
#include "engine/draw_passes.h"
#include "engine/scale_fit.h"
#include "window/captions.h"
#include "window/drawing_colour.h"
#include "window/panel.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace engine {
namespace {

bool IsMulti(const window::TrochelaMain& w) { return w.ChkMulti.Value() != 0; }

// Runs one of the six routines: the frame around the passes.
void RunDrawing(window::TrochelaMain& w, bool multi, Shape shape) {
  base::DrawingState& d = w.draw;
  // What the end restores, then the drawing counts as running.
  const int savedPointer = w.Canvas.MousePointer();
  PassContext ctx;
  ctx.multi = multi;
  ctx.shape = shape;
  ctx.sizeFactor = w.TxtPctScale.Number() / 100;
  w.Canvas.SetMousePointer(base::kHourglassPointer);
  std::optional<double> savedPen;
  std::optional<std::string> savedRotStart;
  if (w.ChkPen.Value() != 0) savedPen = w.wheels.WheelSize[3];
  if (w.ChkRotStart.Value() != 0) savedRotStart = w.TxtRotStart.Text();
  w.DrawingInProgress = -1;
  w.StopRequested = 0;
  window::LockControls(w);
  // The scales keep 3 decimals; then the constants of the whole drawing.
  w.TxtY.SetNumber(base::RoundHalfEven(w.TxtY.Number(), 3));
  w.TxtX.SetNumber(base::RoundHalfEven(w.TxtX.Number(), 3));
  ctx.rotations = w.TxtRotations.Number();
  w.MouseX = 0;
  w.MouseY = 0;
  if (multi) ClearUnusedWheels(w);
  d.AngleStep = base::kPi / (w.TxtResolution.Number() / 2);
  if (!multi) {
    const double R = w.wheels.WheelSize[1], r = w.wheels.WheelSize[2];
    ctx.A = R - r;
    ctx.K = (R - r) / -r;
  }
  // A rolling wheel of size 0 or a resolution of 0 has no curve to draw: the
  // passes still run their per-pass steps, but draw nothing.
  ctx.drawable = std::isfinite(d.AngleStep) && d.AngleStep != 0 && (multi || std::isfinite(ctx.K));
  ctx.yieldCounter = 0;
  // Loops beyond the 16-bit range are limited to 32767; passes are counted in
  // 32 bits so that the last one can finish.
  const int loops = base::ToInt16(w.TxtLoop.Number());
  d.PassNumber = 1;
  // The passes.
  while (d.PassNumber <= loops) {
    double rotStart = w.TxtRotStart.Number();
    if (d.PassNumber >= 2) rotStart += w.TxtRotInc.Number();
    // A step past the largest number leaves the field, and so the pass, as
    // it was.
    if (std::isfinite(rotStart)) w.TxtRotStart.SetNumber(rotStart);
    const double rotStartRad = base::DegreesToRadians(w.TxtRotStart.Number());
    const double turnRad = base::DegreesToRadians(w.TxtTurn.Number());
    d.RotStartRad = rotStartRad;
    d.TurnRad = turnRad;
    StepPen(w);
    const double decX = w.TxtX.Number() * w.TxtPctDec.Number();
    if (std::isfinite(decX)) w.TxtX.SetNumber(decX);
    const double decY = w.TxtY.Number() * w.TxtPctDec.Number();
    if (std::isfinite(decY)) w.TxtY.SetNumber(decY);
    ctx.t = base::MakePassTransform(rotStartRad, turnRad, w.TxtX.Number() * ctx.sizeFactor,
                                    w.TxtY.Number() * ctx.sizeFactor);
    if (shape != Shape::Circle) d.OutlineAngle = 0;
    if (ctx.drawable) RunPass(w, ctx);
    if (w.StopRequested) break;
    if (w.ChkGradient.Value() != 0) StepGradientColor(w);
    ++d.PassNumber;
  }
  // The end, after the last pass or a stop.
  w.StopRequested = 0;
  w.DrawingInProgress = 0;
  window::UnlockControls(w);
  if (w.ChkRotStart.Value() != 0 && savedRotStart) w.TxtRotStart.SetText(*savedRotStart);
  if (w.ChkPen.Value() != 0 && savedPen) {
    w.wheels.WheelSize[3] = *savedPen;
    if (w.ChkScale.Value() != 0) FitScale(w);
    if (window::ShownWheel(w) == 3)
      w.ScrollOffset.SetValue(base::ToInt16(w.wheels.WheelSize[3]));  // raises ScrollOffset_Change
  }
  w.Canvas.SetMousePointer(savedPointer);
  w.Canvas.SetFocus();
}

}  // namespace

void CmdDraw_Click(window::TrochelaMain& w) {
  window::SaveUndo(w);
  if (w.DrawFromScroll) {
    w.DrawFromScroll = 0;
    const bool blank = w.ChkClear.Value() != 0;
    if (blank || w.ScrollSetByCode) window::StartFromSnapOrBlank(w, blank);
  }
  DrawChosenRoutine(w);
}

void DrawChosenRoutine(window::TrochelaMain& w) {
  // The options are read again after each routine; they are locked while one
  // runs, so exactly one runs.
  if (IsMulti(w)) {
    if (!w.ChkSquare.Value() && !w.ChkTriangle.Value()) DrawMultiCircle(w);
    if (w.ChkSquare.Value()) DrawMultiSquare(w);
    if (w.ChkTriangle.Value()) DrawMultiTriangle(w);
  } else {
    if (!w.ChkSquare.Value() && !w.ChkTriangle.Value()) DrawSingleCircle(w);
    if (w.ChkSquare.Value()) DrawSingleSquare(w);
    if (w.ChkTriangle.Value()) DrawSingleTriangle(w);
  }
}

void DrawSingleCircle(window::TrochelaMain& w) { RunDrawing(w, false, Shape::Circle); }
void DrawSingleTriangle(window::TrochelaMain& w) { RunDrawing(w, false, Shape::Triangle); }
void DrawSingleSquare(window::TrochelaMain& w) { RunDrawing(w, false, Shape::Square); }
void DrawMultiCircle(window::TrochelaMain& w) { RunDrawing(w, true, Shape::Circle); }
void DrawMultiTriangle(window::TrochelaMain& w) { RunDrawing(w, true, Shape::Triangle); }
void DrawMultiSquare(window::TrochelaMain& w) { RunDrawing(w, true, Shape::Square); }

void StepPen(window::TrochelaMain& w) {
  const double holeInc = w.TxtHoleInc.Number();
  const double v = w.wheels.WheelSize[3] + holeInc;
  if (!(v > -451 && v < 451 && w.draw.PassNumber > 1)) return;
  w.wheels.WheelSize[3] = w.wheels.WheelSize[3] + holeInc;
  if (window::ShownWheel(w) == 3) {
    w.ScrollSetByCode = -1;
    w.TxtFixed.SetNumber(w.wheels.WheelSize[3]);
    // A pen between 450.5 and 451 rounds outside the bar: it shows the end.
    w.ScrollOffset.SetValue(base::ToInt16(w.TxtFixed.Number()));  // raises ScrollOffset_Change
  }
  if (w.ChkScale.Value() != 0 && holeInc != 0) FitScale(w);
}

void StepGradientColor(window::TrochelaMain& w) {
  const int depth = w.services.ColorDepth();
  base::DrawingState& d = w.draw;
  w.DrawRed += d.GradientDirRed;
  w.DrawGreen += 2 * d.GradientDirGreen;
  w.DrawBlue += 3 * d.GradientDirBlue;
  auto floor0 = [](int32_t& c, int16_t& dir) {
    if (c <= 0) {
      c = 0;
      dir = 1;
    }
  };
  auto ceil255 = [](int32_t& c, int16_t& dir) {
    if (c >= 255) {
      c = 255;
      dir = -1;
    }
  };
  floor0(w.DrawBlue, d.GradientDirBlue);
  floor0(w.DrawGreen, d.GradientDirGreen);
  floor0(w.DrawRed, d.GradientDirRed);
  ceil255(w.DrawBlue, d.GradientDirBlue);
  ceil255(w.DrawGreen, d.GradientDirGreen);
  ceil255(w.DrawRed, d.GradientDirRed);
  // Only the colour set is reduced on a 16-bit display; the running
  // components stay exact.
  base::Rgb c{w.DrawRed, w.DrawGreen, w.DrawBlue};
  if (depth == 16) c = base::Reduce16(c);
  window::SetDrawingColour(w, {w.DrawRed, w.DrawGreen, w.DrawBlue}, base::RgbColor(c));
}

}  // namespace engine
