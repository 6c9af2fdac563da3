#include "app/plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "app/batch.h"
#include "base/numbers.h"
#include "drawing/plot_passes.h"
#include "files/parms_settings.h"
#include "files/pen_colour_section.h"
#include "model/random_settings.h"

namespace app {
namespace {

using base::kMostMargin;
using base::kMostPens;
constexpr double kSlowestFeed = 1, kFastestFeed = 1e6;

}  // namespace

PlotKind PlotKindOfName(const std::string& name, bool paged) {
  return base::PlotKindOfName(name, paged);
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

base::PlotLayout LayoutOf(const PlotOptions& o) {
  base::PlotLayout l;
  const base::PageSize page = o.page.value_or(base::PageSize{});
  l.page = o.landscape || !o.page ? base::Oriented(page, o.landscape) : page;
  l.margin = o.margin;
  l.pens = o.pens;
  l.gcode = o.gcode;
  return l;
}

std::string PlotOptionsProblem(PlotKind kind, const PlotOptions& o) {
  if (kind == PlotKind::SandTable && !o.pageOptions.empty())
    return o.pageOptions.front() + " goes with a page, not with a sand table's .thr";
  if (kind != PlotKind::Gcode && !o.gcodeOptions.empty())
    return o.gcodeOptions.front() + " goes with G-code (.gcode, .nc)";
  const base::PageSize page = LayoutOf(o).page;
  if (kind != PlotKind::SandTable && !(2 * o.margin < std::min(page.width, page.height)))
    return "--margin leaves no room on the page";
  return {};
}

bool DrawPasses(const std::string& settings, const files::ParmsValues& values, int width,
                int height, std::vector<base::PlotPass>& passes, std::string& problem, bool whole) {
  model::PictureSettings s = files::SettingsOfText(settings, values, width, height);
  passes = drawing::DrawPlotPasses(s, base::ScreenMapping(width, height), whole, StopAsked);
  if (StopAsked()) {
    problem = "stopped before the plot was written";
    return false;
  }
  return true;
}

bool RenderPlot(const std::string& settings, const files::ParmsValues& values, int width,
                int height, const PlotOptions& o, PlotKind kind, const std::string& out,
                std::string& summary, std::string& problem, base::AtLink atLink) try {
  std::vector<base::PlotPass> passes;
  if (!DrawPasses(settings, values, width, height, passes, problem)) return false;
  const std::string bytes = base::PlotFile(kind, passes, width, height, LayoutOf(o), settings, summary);
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
