#pragma once
// A picture drawn pass by pass for a plot: a host that keeps each pass's
// points, cut to one period of its curve, instead of showing them.
#include <functional>
#include <vector>

#include "base/drawing_state.h"
#include "base/plot_layout.h"
#include "base/raster.h"
#include "model/picture_settings.h"

namespace drawing {

// The passes of `s` drawn on the screen `screen` maps to, each cut to one
// period; a pass that draws the same points as an earlier one is left out.
// Whole (`whole`), they are the screen SVG's lines. `stop`, when given, is
// asked at every yield whether to end the drawing.
std::vector<base::PlotPass> DrawPlotPasses(model::PictureSettings s, const base::Mapping& screen,
                                           bool whole = false,
                                           const std::function<bool()>& stop = {});

// A drawing as it started: its settings and the drawing state it began from
// (in a window the gradient's directions carry over from one drawing to the
// next).
struct DrawingStart {
  model::PictureSettings settings;
  base::DrawingState state;
};
// The passes of each drawing in turn, each cut as DrawPlotPasses cuts them.
std::vector<base::PlotPass> DrawPlotPasses(const std::vector<DrawingStart>& drawings,
                                           const base::Mapping& screen);

}  // namespace drawing
