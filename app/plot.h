#pragma once
// Plots: a settings value drawn pass by pass into a sink of its own, each
// pass cut to one period of its curve, clipped to the screen it is drawn
// for, laid on a page and ordered, and written for a pen plotter (SVG in
// millimetres, HPGL, G-code) or a sand table (.thr). No toolkit is started.
#include <optional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/plot_layout.h"
#include "files/parms_keys.h"

namespace app {

using base::PlotKind;

// The plot --out asks for: base::PlotKindOfName, .svg with a page.
PlotKind PlotKindOfName(const std::string& name, bool paged);

struct PlotOptions {
  std::optional<base::PageSize> page;  // none: A4
  bool landscape = false;
  double margin = 15;  // mm
  int pens = 0;        // 0: one a colour
  base::GcodeDialect gcode;
  // The options given, by name, for the checks against the kind.
  std::vector<std::string> pageOptions, gcodeOptions;
};

// The plot options as given on the command line (none given: empty).
struct PlotWords {
  std::optional<std::string> page, landscape, margin, pens, penUp, penDown, feed;
};

// Reads the words into `o`; the problem, or empty.
std::string ReadPlotOptions(const PlotWords& words, PlotOptions& o);

// What makes the options wrong for a plot of `kind` (one that takes none of
// them, a margin that leaves no room); empty when they go together.
std::string PlotOptionsProblem(PlotKind kind, const PlotOptions& o);

// The page and pens the options give: the page portrait unless landscape
// (A4 when none is given).
base::PlotLayout LayoutOf(const PlotOptions& o);

// The passes of a settings text drawn on a width x height screen
// (drawing::DrawPlotPasses). False with the problem when it was stopped.
bool DrawPasses(const std::string& settings, const files::ParmsValues& values, int width,
                int height, std::vector<base::PlotPass>& passes, std::string& problem,
                bool whole = false);

// Draws the settings and writes the plot `out` of `kind`; `summary` gets the
// summary line. False with the problem ("cannot write PATH: reason").
bool RenderPlot(const std::string& settings, const files::ParmsValues& values, int width,
                int height, const PlotOptions& o, PlotKind kind, const std::string& out,
                std::string& summary, std::string& problem,
                base::AtLink atLink = base::AtLink::Follow);

}  // namespace app
