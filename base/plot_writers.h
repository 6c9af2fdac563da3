#pragma once
// A plot as the bytes of a file for a plotter or a sand table: an SVG in
// millimetres with one Inkscape layer a pen, HPGL, G-code, and a sand
// table's theta-rho track. No Qt here.
#include <string>
#include <string_view>
#include <vector>

#include "base/plot_order.h"
#include "base/plot_page.h"

namespace base {

struct Plot {
  PageSize page;
  std::vector<PlotLayer> layers;  // page millimetres, y down from the top
};

// HPGL's plotter units a millimetre.
inline constexpr int kHpglUnits = 40;

// The SVG: width and height in millimetres with a viewBox in millimetres, no
// background and no fill, one layer a pen ("1 #RRGGBB", in plotting order),
// carrying `settings`.
std::string PlotterSvg(const Plot& plot, std::string_view settings);

// HPGL: origin at the page's bottom-left corner, y up; the pen lifted before
// every pen change.
std::string Hpgl(const Plot& plot);

// What a G-code plotter is told: the lines that lift and lower the pen and
// the drawing feed in mm/min.
struct GcodeDialect {
  std::string penUp = "M3 S30";
  std::string penDown = "M3 S90";
  double feed = 3000;
};

// G-code in millimetres with HPGL's coordinates: G0 travels with the pen up,
// G1 draws; a layer after the first stops (M0) for the pen change.
std::string Gcode(const Plot& plot, const GcodeDialect& dialect);

// A sand table's track through `strokes` (in the unit disc, y up, in
// drawing order): "theta rho" lines, theta continuous, from and to the
// centre or the rim, joined along the rim or through the centre.
std::string SandTrack(const std::vector<Stroke>& strokes, std::string_view settings);

}  // namespace base
