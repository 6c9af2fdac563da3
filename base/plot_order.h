#pragma once
// The order a plotter draws its strokes in, its pens, and what plotting
// takes: the lengths drawn and travelled with the pen up, the lifts and the
// time at a hobby plotter's speeds. No Qt here.
#include <cstdint>
#include <string>
#include <vector>

#include "base/plot_paths.h"

namespace base {

// The most pens a plot takes.
inline constexpr int kMostPens = 256;

// Speeds the time estimate takes (docs/plotting.md): drawing, travel with
// the pen up, and a lift and a lowering of the pen together.
inline constexpr double kPenDownSpeed = 50;   // mm/s
inline constexpr double kPenUpSpeed = 200;    // mm/s
inline constexpr double kLiftSeconds = 0.3;

// Orders `strokes` greedily from `pen`: the next is the one that starts
// nearest, an open stroke drawn from its nearer end, a closed one entered at
// its nearest point. Planned (`plan`), each stroke's entry (its end, a
// closed one's point) is then chosen for the least travel through them all
// in that order. `pen` ends where the last stroke ends.
void OrderStrokes(std::vector<Stroke>& strokes, PlotPoint& pen, bool plan = true);

// The pen of each of `colours` colours (in the order they are first drawn)
// when there are at most `pens` pens (0: one a colour): neighbours share a
// pen, so the colours keep their order.
std::vector<int> PensOfColours(int colours, int pens);

// One pen's strokes in the order they are drawn.
struct PlotLayer {
  uint32_t bgr = 0;  // 0x00BBGGRR
  std::vector<Stroke> strokes;
};

struct PlotMeasure {
  double penDown = 0, penUp = 0;  // mm
  double firstMove = 0;           // of penUp: to the first stroke
  int lifts = 0;
  double Seconds() const {
    return penDown / kPenDownSpeed + penUp / kPenUpSpeed + lifts * kLiftSeconds;
  }
};

// What drawing the layers in order from `home` takes (the return home not
// counted).
PlotMeasure Measure(const std::vector<PlotLayer>& layers, PlotPoint home);

// "pen-down 12.3 m, pen-up 0.4 m, 17 lifts, 2 pens, about 1 h 05 min at 50 mm/s".
std::string SummaryLine(const PlotMeasure& m, int pens);

}  // namespace base
