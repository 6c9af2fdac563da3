#include "app/plot.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <new>

#include "app/batch.h"
#include "base/drawing_state.h"
#include "base/numbers.h"
#include "drawing/draw_picture.h"
#include "files/parms_settings.h"
#include "files/pen_colour_section.h"
#include "model/random_settings.h"

namespace app {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kMostPens = 256;
constexpr double kMostMargin = 1000, kSlowestFeed = 1, kFastestFeed = 1e6;

// Keeps each pass's points as the drawing computes them; the pixels go to
// an image of one pixel, which nobody sees.
class PlotHost final : public drawing::Host {
 public:
  PlotHost(int width, int height, const base::DrawingState& d, bool whole)
      : image_(1, 1, kWhite), mapping_(base::ScreenMapping(width, height)), d_(d), whole_(whole) {}
  drawing::LineTarget Target(const model::PictureSettings& s) override {
    return {&image_, &log_, mapping_, s.penShown, s.penWidth};
  }
  const int16_t& StopFlag() const override { return stop_; }
  void Yield(model::PictureSettings&, const base::Rect&) override {
    if (StopAsked()) stop_ = -1;
  }
  void PassBegins(const model::PictureSettings&, double closesAt) override {
    log_.Reset(kWhite);
    closesAt_ = whole_ ? 0 : closesAt;
  }
  void PassDrawn(const base::Rect&) override {
    if (log_.Runs().empty()) return;
    if (log_.Overflowed()) throw std::bad_alloc();
    // The pass's first line goes from its first point to itself: its points
    // then follow one a step.
    base::Polyline points;
    const base::PointStore& p = log_.Points();
    points.reserve(p.size());
    for (size_t i = 1; i < p.size(); ++i) points.push_back({p[i].x, p[i].y});
    DrawnPass pass{base::CutToPeriod(std::move(points), closesAt_, d_.AngleStep),
                   log_.Runs()[0].bgr};
    for (const DrawnPass& earlier : passes)
      if (!whole_ && earlier.stroke.points.size() == pass.stroke.points.size() &&
          std::equal(earlier.stroke.points.begin(), earlier.stroke.points.end(),
                     pass.stroke.points.begin(), [](base::PlotPoint a, base::PlotPoint b) {
                       return a.x == b.x && a.y == b.y;
                     }))
        return;
    passes.push_back(std::move(pass));
  }
  std::vector<DrawnPass> passes;

 private:
  base::Image image_;
  base::Mapping mapping_;
  base::LineLog log_;
  const base::DrawingState& d_;
  bool whole_;
  double closesAt_ = 0;
  int16_t stop_ = 0;
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

PlotKind PlotKindOfName(const std::string& name, bool paged) {
  const std::string ending = Lower(std::filesystem::path(name).extension().string());
  if (ending == ".hpgl" || ending == ".plt") return PlotKind::Hpgl;
  if (ending == ".gcode" || ending == ".nc") return PlotKind::Gcode;
  if (ending == ".thr") return PlotKind::SandTable;
  if (ending == ".svg" && paged) return PlotKind::Svg;
  return PlotKind::None;
}

std::string ReadPlotOptions(const PlotWords& w, PlotOptions& o) {
  if (w.page) {
    o.page = base::PageNamed(*w.page);
    if (!o.page)
      return "--page takes A5, A4, A3, A2, A1, letter, legal, tabloid or WxHmm (each side from "
             "10 to 10000 mm)";
    o.pageOptions.push_back("--page");
  }
  if (w.landscape) {
    o.landscape = true;
    o.pageOptions.push_back("--landscape");
  }
  if (w.margin) {
    const auto v = base::ParseNumber(*w.margin);
    if (!v || !(*v >= 0 && *v <= kMostMargin)) return "--margin takes millimetres from 0 to 1000";
    o.margin = *v;
    o.pageOptions.push_back("--margin");
  }
  if (w.pens) {
    const auto v = base::ParseNumber(*w.pens);
    if (!v || *v != std::floor(*v) || *v < 1 || *v > kMostPens)
      return "--pens takes a number of pens from 1 to " + std::to_string(kMostPens);
    o.pens = static_cast<int>(*v);
    o.pageOptions.push_back("--pens");
  }
  const auto command = [&](const std::optional<std::string>& given, const char* name,
                           std::string& to) -> std::string {
    if (!given) return {};
    if (given->empty() || given->find_first_of("\r\n") != std::string::npos)
      return std::string(name) + " takes one line of G-code";
    to = *given;
    o.gcodeOptions.push_back(name);
    return {};
  };
  if (std::string p = command(w.penUp, "--pen-up", o.gcode.penUp); !p.empty()) return p;
  if (std::string p = command(w.penDown, "--pen-down", o.gcode.penDown); !p.empty()) return p;
  if (w.feed) {
    const auto v = base::ParseNumber(*w.feed);
    if (!v || !(*v >= kSlowestFeed && *v <= kFastestFeed)) return "--feed takes mm/min from 1 to 1000000";
    o.gcode.feed = *v;
    o.gcodeOptions.push_back("--feed");
  }
  return {};
}

base::PageSize PageOf(const PlotOptions& o) {
  const base::PageSize page = o.page.value_or(base::PageSize{});
  return o.landscape || !o.page ? base::Oriented(page, o.landscape) : page;
}

std::string PlotOptionsProblem(PlotKind kind, const PlotOptions& o) {
  if (kind == PlotKind::SandTable && !o.pageOptions.empty())
    return o.pageOptions.front() + " goes with a page, not with a sand table's .thr";
  if (kind != PlotKind::Gcode && !o.gcodeOptions.empty())
    return o.gcodeOptions.front() + " goes with G-code (.gcode, .nc)";
  const base::PageSize page = PageOf(o);
  if (kind != PlotKind::SandTable && !(2 * o.margin < std::min(page.width, page.height)))
    return "--margin leaves no room on the page";
  return {};
}

bool DrawPasses(const std::string& settings, const files::ParmsValues& values, int width,
                int height, std::vector<DrawnPass>& passes, std::string& problem, bool whole) {
  model::StartedProgram program = model::StartProgram(width, height);
  files::ApplyParms(program, values);
  model::PictureSettings& s = program.settings;
  if (const auto c = files::PenColourIn(settings)) {
    s.pen = *c;
    s.penShown = model::ShownColour(*c);
  }
  base::DrawingState d;
  PlotHost host(width, height, d, whole);
  drawing::DrawPicture(s, d, host, s.Multi != 0, s.Shape());
  if (StopAsked()) {
    problem = "stopped before the plot was written";
    return false;
  }
  passes = std::move(host.passes);
  return true;
}

base::Plot PlotOnPage(const std::vector<DrawnPass>& passes, int width, int height,
                      const PlotOptions& o) {
  base::Plot plot;
  plot.page = PageOf(o);
  const base::PageFit fit = base::FitOnPage(plot.page, o.margin, width, height);
  // The colours in the order they are first drawn, then their pens.
  std::vector<uint32_t> colours;
  for (const DrawnPass& p : passes)
    if (std::find(colours.begin(), colours.end(), p.bgr) == colours.end()) colours.push_back(p.bgr);
  const std::vector<int> pens = base::PensOfColours(static_cast<int>(colours.size()), o.pens);
  for (size_t c = 0; c < colours.size(); ++c)
    if (c == 0 || pens[c] != pens[c - 1]) plot.layers.push_back({colours[c], {}});
  for (const DrawnPass& p : passes) {
    const size_t c = static_cast<size_t>(std::find(colours.begin(), colours.end(), p.bgr) - colours.begin());
    std::vector<base::Stroke>& strokes = plot.layers[static_cast<size_t>(pens[c])].strokes;
    for (base::Stroke& s : base::ClipToRect(p.stroke, 0, 0, width, height)) {
      for (base::PlotPoint& q : s.points) q = fit.Map(q);
      strokes.push_back(std::move(s));
    }
  }
  base::PlotPoint pen{0, 0};
  for (base::PlotLayer& layer : plot.layers) base::OrderStrokes(layer.strokes, pen);
  return plot;
}

std::vector<base::Stroke> PlotOnDisc(const std::vector<DrawnPass>& passes, int width,
                                     int height) {
  const base::PlotPoint centre{width / 2.0, height / 2.0};
  const double r = std::min(width, height) / 2.0;
  std::vector<base::Stroke> strokes;
  for (const DrawnPass& p : passes)
    for (base::Stroke& s : base::ClipToDisc(p.stroke, centre, r)) {
      for (base::PlotPoint& q : s.points) q = {(q.x - centre.x) / r, (centre.y - q.y) / r};
      strokes.push_back(std::move(s));
    }
  base::PlotPoint ball{0, 0};
  base::OrderStrokes(strokes, ball);
  return strokes;
}

bool RenderPlot(const std::string& settings, const files::ParmsValues& values, int width,
                int height, const PlotOptions& o, PlotKind kind, const std::string& out,
                std::string& summary, std::string& problem, base::AtLink atLink) try {
  std::vector<DrawnPass> passes;
  if (!DrawPasses(settings, values, width, height, passes, problem)) return false;
  std::string bytes;
  if (kind == PlotKind::SandTable) {
    const std::vector<base::Stroke> strokes = PlotOnDisc(passes, width, height);
    bytes = base::SandTrack(strokes, settings);
    double length = 0;
    for (const base::Stroke& s : strokes) length += base::Length(s);
    char line[160];
    std::snprintf(line, sizeof line,
                  "sand track %.1f radii drawn, %zu pieces joined along the rim or through the centre",
                  length, strokes.size());
    summary = line;
  } else {
    const base::Plot plot = PlotOnPage(passes, width, height, o);
    bytes = kind == PlotKind::Hpgl    ? base::Hpgl(plot)
            : kind == PlotKind::Gcode ? base::Gcode(plot, o.gcode)
                                      : base::PlotterSvg(plot, settings);
    summary = base::SummaryLine(base::Measure(plot.layers, {0, 0}),
                                static_cast<int>(plot.layers.size()));
  }
  std::string reason;
  if (!base::WriteFileReplacing(out, bytes, reason, atLink)) {
    problem = "cannot write " + out + ": " + reason;
    return false;
  }
  return true;
} catch (const std::bad_alloc&) {
  problem = "cannot draw " + out + ": out of memory";
  return false;
}

}  // namespace app
