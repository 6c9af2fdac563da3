#include "base/plot_layout.h"

#include <algorithm>
#include <cstdio>

#include "base/profile.h"

namespace base {

PlotKind PlotKindOfName(std::string_view name, bool plotterSvg) {
  if (EndsWithName(name, ".hpgl") || EndsWithName(name, ".plt")) return PlotKind::Hpgl;
  if (EndsWithName(name, ".gcode") || EndsWithName(name, ".nc")) return PlotKind::Gcode;
  if (EndsWithName(name, ".thr")) return PlotKind::SandTable;
  if (EndsWithName(name, ".svg") && plotterSvg) return PlotKind::Svg;
  return PlotKind::None;
}

Plot PlotOnPage(const std::vector<PlotPass>& passes, int width, int height, const PlotLayout& l) {
  Plot plot;
  plot.page = l.page;
  const PageFit fit = FitOnPage(plot.page, l.margin, width, height);
  // The colours in the order they are first drawn, then their pens.
  std::vector<uint32_t> colours;
  for (const PlotPass& p : passes)
    if (std::find(colours.begin(), colours.end(), p.bgr) == colours.end()) colours.push_back(p.bgr);
  const std::vector<int> pens = PensOfColours(static_cast<int>(colours.size()), l.pens);
  for (size_t c = 0; c < colours.size(); ++c)
    if (c == 0 || pens[c] != pens[c - 1]) plot.layers.push_back({colours[c], {}});
  for (const PlotPass& p : passes) {
    const auto c = std::find(colours.begin(), colours.end(), p.bgr) - colours.begin();
    std::vector<Stroke>& strokes = plot.layers[static_cast<size_t>(pens[static_cast<size_t>(c)])].strokes;
    for (Stroke& s : ClipToRect(p.stroke, 0, 0, width, height)) {
      for (PlotPoint& q : s.points) q = fit.Map(q);
      strokes.push_back(std::move(s));
    }
  }
  PlotPoint pen{0, 0};
  for (PlotLayer& layer : plot.layers) OrderStrokes(layer.strokes, pen);
  return plot;
}

std::vector<Stroke> PlotOnDisc(const std::vector<PlotPass>& passes, int width, int height) {
  const PlotPoint centre{width / 2.0, height / 2.0};
  const double r = std::min(width, height) / 2.0;
  std::vector<Stroke> strokes;
  for (const PlotPass& p : passes)
    for (Stroke& s : ClipToDisc(p.stroke, centre, r)) {
      for (PlotPoint& q : s.points) q = {(q.x - centre.x) / r, (centre.y - q.y) / r};
      strokes.push_back(std::move(s));
    }
  PlotPoint ball{0, 0};
  OrderStrokes(strokes, ball);
  return strokes;
}

std::string PlotFile(PlotKind kind, const std::vector<PlotPass>& passes, int width, int height,
                     const PlotLayout& l, std::string_view settings, std::string& summary) {
  if (kind == PlotKind::SandTable) {
    const std::vector<Stroke> strokes = PlotOnDisc(passes, width, height);
    double length = 0;
    for (const Stroke& s : strokes) length += Length(s);
    char line[160];
    std::snprintf(line, sizeof line,
                  "sand track %.1f radii drawn, %zu piece%s joined along the rim or through the centre",
                  length, strokes.size(), strokes.size() == 1 ? "" : "s");
    summary = line;
    return SandTrack(strokes, settings);
  }
  const Plot plot = PlotOnPage(passes, width, height, l);
  summary = SummaryLine(Measure(plot.layers, {0, 0}), static_cast<int>(plot.layers.size()));
  return kind == PlotKind::Hpgl    ? Hpgl(plot)
         : kind == PlotKind::Gcode ? Gcode(plot, l.gcode)
                                   : PlotterSvg(plot, settings);
}

}  // namespace base
