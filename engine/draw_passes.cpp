#include "engine/draw_passes.h"

#include <cmath>

#include "app/main_window.h"
#include "engine/draw_driver.h"

namespace engine {
namespace {

constexpr int kStepsPerYield = 100;

// The curve loop. `pre` runs before the LblRot caption and the yield, `post`
// after them and leaves the rotated and scaled point in ScaledX/ScaledY. The
// loop variable is the window's CurveParam: a nested drawing run inside the
// yield moves it, and this loop continues from where it left it.
template <class Pre, class Post>
void CurveLoop(app::TrochelaMain& w, PassContext& ctx, Pre pre, Post post) {
  DrawingState& d = w.draw;
  const double end = ctx.rotations;
  const double step = d.AngleStep;
  for (d.CurveParam = 0; step >= 0 ? d.CurveParam <= end : d.CurveParam >= end;
       d.CurveParam += step) {
    pre();
    w.LblRot.SetCaptionNumber(static_cast<long long>(std::floor(d.CurveParam)) + 1);
    if (++ctx.yieldCounter == kStepsPerYield) {
      w.form.DoEvents();  // handlers, a nested drawing included, may run here
      ctx.yieldCounter = 0;
    }
    post();
    curve::TurnOffset(ctx.t, d.ScaledX, d.ScaledY, w.TxtOff_X.Number(), w.TxtOff_Y.Number(),
                      d.PointX, d.PointY);
    if (d.CurveParam == 0) {
      d.PrevX = d.PointX;
      d.PrevY = d.PointY;
    }
    w.Canvas.Line(static_cast<float>(d.PrevX), static_cast<float>(d.PrevY),
                  static_cast<float>(d.PointX), static_cast<float>(d.PointY));
    d.PrevX = d.PointX;
    d.PrevY = d.PointY;
    if (w.StopRequested) return;
  }
}

const curve::Outline& OutlineOf(Shape s) {
  return s == Shape::Triangle ? curve::kTriangle : curve::kSquare;
}

void SingleCirclePass(app::TrochelaMain& w, PassContext& ctx) {
  DrawingState& d = w.draw;
  CurveLoop(w, ctx, [] {}, [&] {
    curve::SingleCirclePoint(ctx.A, ctx.K, w.wheels.WheelSize[3], d.CurveParam, d.PointX, d.PointY);
    curve::RotateScale(ctx.t, d.PointX, d.PointY, d.ScaledX, d.ScaledY);
  });
}

void SingleOutlinePass(app::TrochelaMain& w, PassContext& ctx) {
  DrawingState& d = w.draw;
  const curve::Outline& outline = OutlineOf(ctx.shape);
  double q = 0;
  CurveLoop(
      w, ctx,
      [&] {
        d.OutlineFactor = curve::OutlineStep(outline, d.OutlineAngle, d.AngleStep);
        q = -w.wheels.WheelSize[3] / d.OutlineFactor;
      },
      [&] {
        const double t = d.CurveParam;
        d.PointX = ctx.A * std::cos(t) - std::cos(ctx.K * t) * q;
        d.PointY = ctx.A * std::sin(t) - std::sin(ctx.K * t) * q;
        curve::RotateScaleOutline(ctx.t, d.PointX, d.PointY, d.OutlineFactor, d.ScaledX, d.ScaledY);
      });
}

void MultiPass(app::TrochelaMain& w, PassContext& ctx) {
  DrawingState& d = w.draw;
  WheelTable& wt = w.wheels;
  auto sum = [&] {
    curve::SumWheelChain(wt.WheelSize.data(), wt.WheelAngle.data(), w.WheelCount, d.PointX, d.PointY);
  };
  if (ctx.shape == Shape::Circle) {
    CurveLoop(
        w, ctx, [&] { curve::ComputeWheelAngles(wt.WheelRatio.data(), d.CurveParam, wt.WheelAngle.data()); },
        [&] {
          sum();
          curve::RotateScale(ctx.t, d.PointX, d.PointY, d.ScaledX, d.ScaledY);
        });
    return;
  }
  const curve::Outline& outline = OutlineOf(ctx.shape);
  CurveLoop(
      w, ctx,
      [&] {
        curve::ComputeWheelAngles(wt.WheelRatio.data(), d.CurveParam, wt.WheelAngle.data());
        d.OutlineFactor = curve::OutlineStep(outline, d.OutlineAngle, d.AngleStep);
      },
      [&] {
        sum();
        curve::RotateScaleOutline(ctx.t, d.PointX, d.PointY, d.OutlineFactor, d.ScaledX, d.ScaledY);
      });
}

}  // namespace

void RunPass(app::TrochelaMain& w, PassContext& ctx) {
  if (ctx.multi)
    MultiPass(w, ctx);
  else if (ctx.shape == Shape::Circle)
    SingleCirclePass(w, ctx);
  else
    SingleOutlinePass(w, ctx);
}

}  // namespace engine
