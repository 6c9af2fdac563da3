#pragma once
// The pass bodies of the six drawing routines: the curve loop with its common
// step (LblRot, the yield every 100 steps, rotation, scale, turn, centre, the
// line, the stop test).
#include <cstdint>

#include "base/curve_math.h"
#include "base/drawing_state.h"
#include "drawing/host.h"
#include "model/picture_settings.h"

namespace drawing {

using model::Shape;

// What one drawing computes once and its passes read.
struct PassContext {
  bool multi{};
  Shape shape{};
  bool drawable = true;
  double sizeFactor = 1;  // PctScale / 100
  double rotations{};
  double A{}, K{};  // single-wheel constants
  base::PassTransform t;
  int16_t yieldCounter = 0;  // steps since the last yield, across passes
};

// One pass of the curve loop. Returns when CurveParam passes Rotations or a
// stop was requested. Yields every 100 steps: any handler may run inside.
void RunPass(model::PictureSettings& s, base::DrawingState& d, Host& host, PassContext& ctx);

}  // namespace drawing
