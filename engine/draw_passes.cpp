#include "engine/draw_passes.h"

#include <cmath>

#include "engine/draw_driver.h"
#include "window/trochela_main.h"

namespace engine {
namespace {

constexpr int kStepsPerYield = 100;

// The point of one step as the window's fields hold it.
struct Step {
  double t;                 // CurveParam
  double x, y;              // PointX, PointY
  double scaledX, scaledY;  // ScaledX, ScaledY
  double prevX, prevY;      // PrevX, PrevY
};

void Store(const Step& s, base::DrawingState& d) {
  d.CurveParam = s.t;
  d.PointX = s.x;
  d.PointY = s.y;
  d.ScaledX = s.scaledX;
  d.ScaledY = s.scaledY;
  d.PrevX = s.prevX;
  d.PrevY = s.prevY;
}

// The curve loop. `pre` runs before the LblRot caption and the yield, `post`
// after them and leaves the rotated and scaled point in the step. The step
// lives in registers between yields; the window's fields hold it whenever a
// handler can see them. A nested drawing run inside the yield moves
// CurveParam and the previous point, and this loop goes on from there.
template <class Pre, class Post>
void CurveLoop(window::TrochelaMain& w, PassContext& ctx, Pre pre, Post post) {
  base::DrawingState& d = w.draw;
  const double end = ctx.rotations;
  const double step = d.AngleStep;
  Step s{0, d.PointX, d.PointY, d.ScaledX, d.ScaledY, d.PrevX, d.PrevY};
  for (; step >= 0 ? s.t <= end : s.t >= end; s.t += step) {
    pre(s.t);
    w.LblRot.SetCaptionNumber(static_cast<long long>(std::floor(s.t)) + 1);
    if (++ctx.yieldCounter == kStepsPerYield) {
      Store(s, d);
      w.form.DoEvents();  // handlers, a nested drawing included, may run here
      ctx.yieldCounter = 0;
      s = Step{d.CurveParam, d.PointX, d.PointY, d.ScaledX, d.ScaledY, d.PrevX, d.PrevY};
    }
    post(s);
    base::TurnOffset(ctx.t, s.scaledX, s.scaledY, w.TxtOff_X.Number(), w.TxtOff_Y.Number(), s.x,
                     s.y);
    if (s.t == 0) {
      s.prevX = s.x;
      s.prevY = s.y;
    }
    w.Canvas.Line(static_cast<float>(s.prevX), static_cast<float>(s.prevY), static_cast<float>(s.x),
                  static_cast<float>(s.y));
    s.prevX = s.x;
    s.prevY = s.y;
    if (w.StopRequested) break;
  }
  Store(s, d);
}

const base::Outline& OutlineOf(Shape s) {
  return s == Shape::Triangle ? base::kTriangle : base::kSquare;
}

void SingleCirclePass(window::TrochelaMain& w, PassContext& ctx) {
  CurveLoop(
      w, ctx, [](double) {},
      [&](Step& s) {
        base::SingleCirclePoint(ctx.A, ctx.K, w.wheels.WheelSize[3], s.t, s.x, s.y);
        base::RotateScale(ctx.t, s.x, s.y, s.scaledX, s.scaledY);
      });
}

void SingleOutlinePass(window::TrochelaMain& w, PassContext& ctx) {
  base::DrawingState& d = w.draw;
  const base::Outline& outline = OutlineOf(ctx.shape);
  double q = 0;
  CurveLoop(
      w, ctx,
      [&](double) {
        d.OutlineFactor = base::OutlineStep(outline, d.OutlineAngle, d.AngleStep);
        q = -w.wheels.WheelSize[3] / d.OutlineFactor;
      },
      [&](Step& s) {
        s.x = ctx.A * std::cos(s.t) - std::cos(ctx.K * s.t) * q;
        s.y = ctx.A * std::sin(s.t) - std::sin(ctx.K * s.t) * q;
        base::RotateScaleOutline(ctx.t, s.x, s.y, d.OutlineFactor, s.scaledX, s.scaledY);
      });
}

void MultiPass(window::TrochelaMain& w, PassContext& ctx) {
  base::DrawingState& d = w.draw;
  base::WheelTable& wt = w.wheels;
  auto angles = [&](double t) {
    base::ComputeWheelAngles(wt.WheelRatio.data(), t, wt.WheelAngle.data());
  };
  auto sum = [&](Step& s) {
    base::SumWheelChain(wt.WheelSize.data(), wt.WheelAngle.data(), w.WheelCount, s.x, s.y);
  };
  if (ctx.shape == Shape::Circle) {
    CurveLoop(w, ctx, angles, [&](Step& s) {
      sum(s);
      base::RotateScale(ctx.t, s.x, s.y, s.scaledX, s.scaledY);
    });
    return;
  }
  const base::Outline& outline = OutlineOf(ctx.shape);
  CurveLoop(
      w, ctx,
      [&](double t) {
        angles(t);
        d.OutlineFactor = base::OutlineStep(outline, d.OutlineAngle, d.AngleStep);
      },
      [&](Step& s) {
        sum(s);
        base::RotateScaleOutline(ctx.t, s.x, s.y, d.OutlineFactor, s.scaledX, s.scaledY);
      });
}

}  // namespace

void RunPass(window::TrochelaMain& w, PassContext& ctx) {
  if (ctx.multi)
    MultiPass(w, ctx);
  else if (ctx.shape == Shape::Circle)
    SingleCirclePass(w, ctx);
  else
    SingleOutlinePass(w, ctx);
}

}  // namespace engine
