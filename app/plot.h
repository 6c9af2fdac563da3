#pragma once
// Plots: a settings value drawn pass by pass into a sink of its own, each
// pass cut to one period of its curve, clipped to the screen it is drawn
// for, laid on a page and ordered, and written for a pen plotter (SVG in
// millimetres, HPGL, G-code) or a sand table (.thr). No toolkit is started.
#include <optional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/plot_writers.h"
#include "files/parms_keys.h"

namespace app {

enum class PlotKind { None, Svg, Hpgl, Gcode, SandTable };

// The plot a name's ending asks for (any case): .hpgl and .plt, .gcode and
// .nc, .thr; .svg only with a page (`paged`), today's screen SVG otherwise.
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

// One pass as drawn: its points in screen pixels and its colour.
struct DrawnPass {
  base::Stroke stroke;  // closed when cut to one period
  uint32_t bgr = 0;
};

// The passes of a settings text drawn on a width x height screen, each cut
// to one period; a pass that draws the same points as an earlier one is
// left out. Whole (`whole`), they are the screen SVG's lines. False with the
// problem when it was stopped.
bool DrawPasses(const std::string& settings, const files::ParmsValues& values, int width,
                int height, std::vector<DrawnPass>& passes, std::string& problem,
                bool whole = false);

// The passes on the page: clipped to the screen, mapped, one layer a pen in
// the order the colours are first drawn, ordered from the page's corner.
base::Plot PlotOnPage(const std::vector<DrawnPass>& passes, int width, int height,
                      const PlotOptions& o);

// The page of the options: portrait unless landscape.
base::PageSize PageOf(const PlotOptions& o);

// The passes clipped to the disc inscribed in the screen, in the unit disc
// (y up), ordered from the centre.
std::vector<base::Stroke> PlotOnDisc(const std::vector<DrawnPass>& passes, int width,
                                     int height);

// Draws the settings and writes the plot `out` of `kind`; `summary` gets the
// summary line. False with the problem ("cannot write PATH: reason").
bool RenderPlot(const std::string& settings, const files::ParmsValues& values, int width,
                int height, const PlotOptions& o, PlotKind kind, const std::string& out,
                std::string& summary, std::string& problem,
                base::AtLink atLink = base::AtLink::Follow);

}  // namespace app
