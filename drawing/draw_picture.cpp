#include "drawing/draw_picture.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/colours.h"
#include "base/curve_math.h"
#include "base/curve_period.h"
#include "base/numbers.h"
#include "base/wheel_table.h"
#include "model/steps.h"

namespace drawing {

using model::FieldId;
using model::Shape;

double PassClosing(const model::PictureSettings& s, const PassContext& ctx) {
  std::vector<double> rates;
  if (ctx.multi) {
    const int count = std::clamp(static_cast<int>(s.WheelCount), 0, base::kWheels);
    for (int k = 1; k <= count; ++k)
      if (s.wheels.WheelSize[k] != 0) rates.push_back(s.wheels.WheelRatio[k]);
  } else {
    if (ctx.A != 0) rates.push_back(1);
    if (s.wheels.WheelSize[3] != 0) rates.push_back(ctx.K);
  }
  // The outline's factor repeats with every side.
  if (ctx.shape == Shape::Triangle) rates.push_back(3);
  if (ctx.shape == Shape::Square) rates.push_back(4);
  return base::ClosingParameter(rates);
}

void DrawPicture(model::PictureSettings& s, base::DrawingState& d, Host& host, bool multi,
                 model::Shape shape) {
  // What the end restores, then the drawing counts as running.
  PassContext ctx;
  ctx.multi = multi;
  ctx.shape = shape;
  ctx.sizeFactor = s[FieldId::PctScale].Number() / 100;
  std::optional<double> savedPen;
  std::optional<std::string> savedRotStart;
  if (s.ResetPen != 0) savedPen = s.wheels.WheelSize[3];
  if (s.ResetRotStart != 0) savedRotStart = s[FieldId::RotStart].Text();
  host.Started(s);
  // The scales keep 3 decimals; then the constants of the whole drawing.
  model::Field& x = s[FieldId::XScale];
  model::Field& y = s[FieldId::YScale];
  y.SetNumber(base::RoundHalfEven(y.Number(), 3));
  x.SetNumber(base::RoundHalfEven(x.Number(), 3));
  ctx.rotations = s[FieldId::Rotations].Number();
  if (multi) model::ClearUnusedWheels(s, d.LoopIndex);
  d.AngleStep = base::kPi / (s[FieldId::Resolution].Number() / 2);
  if (!multi) {
    const double R = s.wheels.WheelSize[1], r = s.wheels.WheelSize[2];
    ctx.A = R - r;
    ctx.K = (R - r) / -r;
  }
  // A rolling wheel of size 0 or a resolution of 0 has no curve to draw: the
  // passes still run their per-pass steps, but draw nothing.
  ctx.drawable = std::isfinite(d.AngleStep) && d.AngleStep != 0 && (multi || std::isfinite(ctx.K));
  ctx.yieldCounter = 0;
  // Loops beyond the 16-bit range are limited to 32767; passes are counted in
  // 32 bits so that the last one can finish.
  const int loops = base::ToInt16(s[FieldId::Loops].Number());
  const int16_t& stop = host.StopFlag();
  d.PassNumber = 1;
  while (d.PassNumber <= loops) {
    model::Field& rotStartField = s[FieldId::RotStart];
    double rotStart = rotStartField.Number();
    if (d.PassNumber >= 2) rotStart += s[FieldId::RotInc].Number();
    // A step past the largest number leaves the field, and so the pass, as
    // it was.
    if (std::isfinite(rotStart)) rotStartField.SetNumber(rotStart);
    const double rotStartRad = base::DegreesToRadians(rotStartField.Number());
    const double turnRad = base::DegreesToRadians(s[FieldId::Turn].Number());
    d.RotStartRad = rotStartRad;
    d.TurnRad = turnRad;
    StepPen(s, d, host);
    const double dec = s[FieldId::PctDec].Number();
    const double decX = x.Number() * dec;
    if (std::isfinite(decX)) x.SetNumber(decX);
    const double decY = y.Number() * dec;
    if (std::isfinite(decY)) y.SetNumber(decY);
    ctx.t = base::MakePassTransform(rotStartRad, turnRad, x.Number() * ctx.sizeFactor,
                                    y.Number() * ctx.sizeFactor);
    if (shape != Shape::Circle) d.OutlineAngle = 0;
    if (ctx.drawable) {
      host.PassBegins(s, PassClosing(s, ctx));
      RunPass(s, d, host, ctx);
    }
    if (stop) break;
    if (s.Gradient != 0) StepGradientColor(s, d, host);
    ++d.PassNumber;
  }
  // The end, after the last pass or a stop.
  host.Ended(s);
  if (s.ResetRotStart != 0 && savedRotStart) s[FieldId::RotStart].Set(*savedRotStart);
  if (s.ResetPen != 0 && savedPen) {
    s.wheels.WheelSize[3] = *savedPen;
    if (s.ScaleRefresh != 0) model::FitScale(s, d.LoopIndex);
    host.PenRestored(s);
  }
}

void StepPen(model::PictureSettings& s, base::DrawingState& d, Host& host) {
  const double holeInc = s[FieldId::HoleInc].Number();
  double& pen = s.wheels.WheelSize[3];
  const double v = pen + holeInc;
  if (!(v > -451 && v < 451 && d.PassNumber > 1)) return;
  pen = pen + holeInc;
  host.PenMoved(s);
  if (s.ScaleRefresh != 0 && holeInc != 0) model::FitScale(s, d.LoopIndex);
}

void StepGradientColor(model::PictureSettings& s, base::DrawingState& d, Host& host) {
  base::Rgb& c = s.pen;
  c.red += d.GradientDirRed;
  c.green += 2 * d.GradientDirGreen;
  c.blue += 3 * d.GradientDirBlue;
  auto floor0 = [](int32_t& v, int16_t& dir) {
    if (v <= 0) {
      v = 0;
      dir = 1;
    }
  };
  auto ceil255 = [](int32_t& v, int16_t& dir) {
    if (v >= 255) {
      v = 255;
      dir = -1;
    }
  };
  floor0(c.blue, d.GradientDirBlue);
  floor0(c.green, d.GradientDirGreen);
  floor0(c.red, d.GradientDirRed);
  ceil255(c.blue, d.GradientDirBlue);
  ceil255(c.green, d.GradientDirGreen);
  ceil255(c.red, d.GradientDirRed);
  // Only the colour shown is reduced on a 16-bit display; the running
  // components stay exact.
  s.penShown = base::RgbColor(host.ColorDepth() == 16 ? base::Reduce16(c) : c);
  host.ColourStepped(s);
}

}  // namespace drawing
