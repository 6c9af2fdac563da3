#pragma once
// A picture's passes laid out for a plot: on a page for a pen plotter, one
// layer a pen, or in a sand table's disc, and the file of either. No Qt here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/plot_writers.h"

namespace base {

// One pass as drawn: its points in screen pixels (closed when cut to one
// period) and its colour.
struct PlotPass {
  Stroke stroke;
  uint32_t bgr = 0;
};

enum class PlotKind { None, Svg, Hpgl, Gcode, SandTable };

// The plot a name's ending asks for (any case): .hpgl and .plt, .gcode and
// .nc, .thr; .svg only when a plotter SVG is asked for (`plotterSvg`).
PlotKind PlotKindOfName(std::string_view name, bool plotterSvg);

// The page and pens of a plot.
struct PlotLayout {
  PageSize page;  // oriented
  double margin = 15;
  int pens = 0;  // 0: one a colour
  GcodeDialect gcode;
};

// The passes on the page: clipped to the width x height screen, mapped, one
// layer a pen in the order the colours are first drawn, ordered from the
// page's corner.
Plot PlotOnPage(const std::vector<PlotPass>& passes, int width, int height, const PlotLayout& l);

// The passes clipped to the disc inscribed in the screen, in the unit disc
// (y up), ordered from the centre.
std::vector<Stroke> PlotOnDisc(const std::vector<PlotPass>& passes, int width, int height);

// The file's bytes of a plot of `kind` (not None), carrying `settings`, and
// its summary line.
std::string PlotFile(PlotKind kind, const std::vector<PlotPass>& passes, int width, int height,
                     const PlotLayout& l, std::string_view settings, std::string& summary);

}  // namespace base
