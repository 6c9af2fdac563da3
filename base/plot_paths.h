#pragma once
// The strokes of a plot: a pass cut to one period of its curve, and strokes
// clipped to a rectangle (the screen) or a disc (a sand table), lines cut at
// the edge. No Qt here.
#include <vector>

namespace base {

struct PlotPoint {
  double x = 0, y = 0;
  bool operator==(const PlotPoint&) const = default;
};
using Polyline = std::vector<PlotPoint>;

// A line drawn without lifting the pen; a closed one goes on from its last
// point back to its first, and may start at any of its points.
struct Stroke {
  Polyline points;
  bool closed = false;
};

double Distance(PlotPoint a, PlotPoint b);
// Its length, the closing line included.
double Length(const Stroke& s);

// A pass's points, one a step of the curve parameter from 0 (`step` apart),
// cut to the first `closesAt` of the parameter: a closed stroke when the
// pass reaches that far, the whole pass open when it does not or never
// closes (closesAt 0).
Stroke CutToPeriod(Polyline points, double closesAt, double step);

// The parts of `s` inside the rectangle, the edges included; a closed
// stroke stays closed when it is inside as a whole.
std::vector<Stroke> ClipToRect(const Stroke& s, double left, double top, double right,
                               double bottom);
// The same inside the disc of radius `r` about `centre`.
std::vector<Stroke> ClipToDisc(const Stroke& s, PlotPoint centre, double r);

}  // namespace base
