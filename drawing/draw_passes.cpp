#include "drawing/draw_passes.h"

#include <cmath>

#include "base/line_chain.h"
#include "base/raster.h"
#include "base/vector_state.h"

namespace drawing {
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

// The number LblRot shows, Int(CurveParam) + 1: the floor from the
// conversion that cuts towards zero, without a library call, wherever the
// conversion holds the value.
long long ShownRotation(double t) {
  if (t > -4e18 && t < 4e18) {
    const long long n = static_cast<long long>(t);
    return n - (static_cast<double>(n) > t) + 1;
  }
  return static_cast<long long>(std::floor(t)) + 1;
}

Step Load(const base::DrawingState& d) {
  return Step{d.CurveParam, d.PointX, d.PointY, d.ScaledX, d.ScaledY, d.PrevX, d.PrevY};
}

// What the steps between two yields read from the settings and the host. No
// handler runs between two yields, so it is read once after each yield
// instead of at every step: the centre, the target with its colour, width
// and mapping.
struct Between {
  double offX, offY;
  base::Image* image;
  base::LineChain lines;
  base::Rect changed;  // shown on screen at the next yield

  Between(const model::PictureSettings& s, Host& host) : Between(s, host.Target(s)) {}
  Between(const model::PictureSettings& s, const LineTarget& target)
      : offX(s[model::FieldId::OffX].Number()),
        offY(s[model::FieldId::OffY].Number()),
        image(target.image),
        lines(target.mapping, target.colour, target.width, target.log) {}
};

// The curve loop. The routine's `Pre` runs before the LblRot caption and the
// yield, its `Post` after them and leaves the rotated and scaled point in the
// step. The step lives in registers between yields; the drawing state holds
// it whenever a handler can see it. A nested drawing run inside the yield
// moves CurveParam and the previous point, and this loop goes on from there.
template <class Routine>
void CurveLoop(model::PictureSettings& st, base::DrawingState& d, Host& host, PassContext& ctx,
               Routine& routine) {
  // The pass's constants in the loop's own variables: the lines and the
  // yields are calls the compiler cannot see into, and would make it read
  // them from memory again at every step.
  const double end = ctx.rotations;
  const double step = d.AngleStep;
  const base::PassTransform t = ctx.t;
  int counter = ctx.yieldCounter;
  const int16_t& stop = host.StopFlag();
  Step s = Load(d);
  s.t = 0;
  routine.Load(st, d);
  Between b(st, host);
  base::ClearUpperVectorState();
  // LblRot's number changes only where CurveParam passes a whole number:
  // [shownLo, shownHi) is where it stays. Forgotten at every yield, where a
  // handler (a nested drawing) may set the caption.
  double shownLo = 1, shownHi = 0;
  // A step below 2^-52 of the end would stop moving the sum before the end
  // (or take longer than anyone waits): such a pass ends at once.
  const bool advances = std::fabs(end) <= std::fabs(step) * 0x1p52;
  for (; advances && (step >= 0 ? s.t <= end : s.t >= end); s.t += step) {
    routine.Pre(s.t);
    if (!(s.t >= shownLo && s.t < shownHi)) {
      const long long n = ShownRotation(s.t);
      host.ShowRotation(n);
      shownLo = static_cast<double>(n - 1);
      shownHi = static_cast<double>(n);
    }
    if (++counter == kStepsPerYield) {
      Store(s, d);
      routine.Store(d);
      host.Yield(st, b.changed);  // handlers, a nested drawing included, may run here
      counter = 0;
      s = Load(d);
      routine.Load(st, d);
      b = Between(st, host);
      base::ClearUpperVectorState();
      shownLo = 1, shownHi = 0;
    }
    routine.Post(s);
    base::TurnOffset(t, s.scaledX, s.scaledY, b.offX, b.offY, s.x, s.y);
    if (s.t == 0) {
      s.prevX = s.x;
      s.prevY = s.y;
    }
    b.lines.Line(*b.image, static_cast<float>(s.prevX), static_cast<float>(s.prevY),
                 static_cast<float>(s.x), static_cast<float>(s.y), b.changed);
    s.prevX = s.x;
    s.prevY = s.y;
    if (stop) break;
  }
  ctx.yieldCounter = static_cast<int16_t>(counter);
  host.PassDrawn(b.changed);
  Store(s, d);
  routine.Store(d);
}

const base::Outline& OutlineOf(Shape s) {
  return s == Shape::Triangle ? base::kTriangle : base::kSquare;
}

// The routines' own parts of a step. Load takes what they read from the
// settings and the drawing state (after every yield), Store puts back what
// they keep (before every yield).

struct SingleCircle {
  const double A, K;
  const base::PassTransform t;
  double pen = 0;  // wheel 3
  void Load(const model::PictureSettings& s, const base::DrawingState&) { pen = s.wheels.WheelSize[3]; }
  void Store(base::DrawingState&) {}
  void Pre(double) {}
  void Post(Step& s) {
    base::SingleCirclePoint(A, K, pen, s.t, s.x, s.y);
    base::RotateScale(t, s.x, s.y, s.scaledX, s.scaledY);
  }
};

struct SingleOutline {
  const double A, K;
  const base::PassTransform t;
  const base::Outline& outline;
  double angleStep;
  double pen = 0;  // wheel 3
  base::OutlinePosition pos;
  double factor{};  // OutlineFactor
  double q = 0;       // the pen offset, taken before the yield
  void Load(const model::PictureSettings& s, const base::DrawingState& d) {
    pen = s.wheels.WheelSize[3];
    pos = base::OutlinePosition(d.OutlineAngle);
    factor = d.OutlineFactor;
  }
  void Store(base::DrawingState& d) {
    d.OutlineAngle = pos.angle;
    d.OutlineFactor = factor;
  }
  void Pre(double) {
    factor = base::OutlineStep(outline, pos, angleStep);
    q = base::OutlinePenOffset(pen, factor);
  }
  void Post(Step& s) {
    base::SingleOutlinePoint(A, K, q, s.t, s.x, s.y);
    base::RotateScaleOutline(t, s.x, s.y, factor, s.scaledX, s.scaledY);
  }
};

// The chain, with an outline or (outline null) the circle.
struct Multi {
  const base::PassTransform t;
  const base::Outline* outline;
  double angleStep;
  base::WheelTable& wheels;
  int count{};  // WheelCount
  base::OutlinePosition pos;
  double factor{};  // OutlineFactor
  void Load(const model::PictureSettings& s, const base::DrawingState& d) {
    count = s.WheelCount;
    if (!outline) return;
    pos = base::OutlinePosition(d.OutlineAngle);
    factor = d.OutlineFactor;
  }
  void Store(base::DrawingState& d) {
    if (!outline) return;
    d.OutlineAngle = pos.angle;
    d.OutlineFactor = factor;
  }
  void Pre(double curveParam) {
    base::ComputeWheelAngles(wheels.WheelRatio.data(), curveParam, wheels.WheelAngle.data());
    if (outline) factor = base::OutlineStep(*outline, pos, angleStep);
  }
  void Post(Step& s) {
    base::SumWheelChain(wheels.WheelSize.data(), wheels.WheelAngle.data(), count, s.x, s.y);
    if (outline)
      base::RotateScaleOutline(t, s.x, s.y, factor, s.scaledX, s.scaledY);
    else
      base::RotateScale(t, s.x, s.y, s.scaledX, s.scaledY);
  }
};

}  // namespace

void RunPass(model::PictureSettings& s, base::DrawingState& d, Host& host, PassContext& ctx) {
  const double angleStep = d.AngleStep;
  if (ctx.multi) {
    Multi m{ctx.t,     ctx.shape == Shape::Circle ? nullptr : &OutlineOf(ctx.shape),
            angleStep, s.wheels,
            0,         {},
            0};
    CurveLoop(s, d, host, ctx, m);
  } else if (ctx.shape == Shape::Circle) {
    SingleCircle c{ctx.A, ctx.K, ctx.t};
    CurveLoop(s, d, host, ctx, c);
  } else {
    SingleOutline o{ctx.A, ctx.K, ctx.t, OutlineOf(ctx.shape), angleStep, 0, {}, 0, 0};
    CurveLoop(s, d, host, ctx, o);
  }
}

}  // namespace drawing
