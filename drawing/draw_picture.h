#pragma once
// Drawing a settings value: the frame that every routine runs around its
// passes (Rot+, Pen+ and Dec between passes, the gradient after each, the
// restores at the end) over the six routines' pass bodies
// (drawing/draw_passes.h). The window draws its own settings through a host
// over its controls; a picture drawn without a window gives a host of its own.
#include "base/drawing_state.h"
#include "drawing/draw_passes.h"
#include "drawing/host.h"
#include "model/picture_settings.h"

namespace drawing {

// The routine the settings choose: a chain or a pair of wheels (PictureSettings::multi)
// along the outline.
Shape ShapeOf(const model::PictureSettings& s);

// Draws the picture of `s` with the routine for `multi` and `shape`, writing
// what a user sees change (the scales, Rot Start, wheel 3, the pen's colour)
// into `s` and `d` as it goes.
void DrawPicture(model::PictureSettings& s, base::DrawingState& d, Host& host, bool multi,
                 model::Shape shape);

// The curve parameter after which a pass of `s` repeats itself (0: never
// within reach), for the host's PassBegins.
double PassClosing(const model::PictureSettings& s, const PassContext& ctx);

// Pen+: moves wheel 3 by the Pen+ value from the second pass on, while it
// stays strictly inside (-451, 451).
void StepPen(model::PictureSettings& s, base::DrawingState& d, Host& host);

// Steps the pen's colour components, each bouncing between 0 and 255.
void StepGradientColor(model::PictureSettings& s, base::DrawingState& d, Host& host);

}  // namespace drawing
