// Plots of the examples and of a gallery of random pictures: on the page
// less its margin, each pass drawn once, no segment twice, and the machine
// formats reading back as the SVG's strokes.
#include "app/plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/gallery.h"
#include "app/startup.h"
#include "engine/draw_driver.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "files/picture_buffers.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "files/parms_check.h"

namespace {

using base::PlotPoint;
using base::Polyline;

struct Picture {
  std::string name, settings;
  int width = 1920, height = 1080;
};

// The examples, and the gallery `--random 24 --seed 7 --size 1123x794`.
const std::vector<Picture>& Pictures() {
  static const std::vector<Picture> pictures = [] {
    std::vector<Picture> out;
    for (const auto& e : std::filesystem::directory_iterator(TESTS_DIR "/../examples")) {
      std::string text, reason;
      if (e.path().extension() == ".tra" && base::ReadWholeFile(e.path(), 1 << 20, text, reason))
        out.push_back({e.path().filename().string(), text});
    }
    app::GalleryRequest r;
    r.count = 24;
    r.batch.width = 1123;
    r.batch.height = 794;
    std::vector<std::string> gallery;
    std::string reason;
    EXPECT_TRUE(app::GallerySettings(r, 7, gallery, reason)) << reason;
    for (size_t k = 0; k < gallery.size(); ++k)
      out.push_back({"random " + std::to_string(k + 1), gallery[k], 1123, 794});
    return out;
  }();
  return pictures;
}

std::vector<base::PlotPass> Passes(const Picture& p, bool whole = false) {
  files::ParmsValues values;
  std::string reason;
  EXPECT_TRUE(files::ReadParms(base::Profile(p.settings), values, reason)) << reason;
  std::vector<base::PlotPass> passes;
  EXPECT_TRUE(app::DrawPasses(p.settings, values, p.width, p.height, passes, reason, whole));
  return passes;
}

// The SVG's polylines.
std::vector<Polyline> Polylines(const std::string& svg) {
  std::vector<Polyline> out;
  for (size_t at = svg.find("points=\""); at != std::string::npos;
       at = svg.find("points=\"", at + 1)) {
    std::istringstream in(svg.substr(at + 8, svg.find('"', at + 8) - at - 8));
    Polyline line;
    PlotPoint p;
    char comma;
    while (in >> p.x >> comma >> p.y) line.push_back(p);
    out.push_back(line);
  }
  return out;
}

// HPGL's or G-code's strokes in page millimetres, y down.
std::vector<Polyline> Machine(const std::string& text, bool hpgl, double height) {
  std::vector<Polyline> out;
  const auto add = [&](double x, double y, bool starts) {
    if (starts) out.emplace_back();
    out.back().push_back({x, height - y});
  };
  if (hpgl) {
    std::istringstream commands(text);
    for (std::string c; std::getline(commands, c, ';');) {
      while (!c.empty() && c[0] == '\n') c.erase(0, 1);
      if (c.size() <= 2 || (c.rfind("PU", 0) != 0 && c.rfind("PD", 0) != 0)) continue;
      std::istringstream in(c.substr(2));
      double x, y;
      char comma;
      while (in >> x >> comma >> y) {
        add(x / base::kHpglUnits, y / base::kHpglUnits, c[1] == 'U');
        in >> comma;
      }
    }
    return out;
  }
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    double x, y;
    if (std::sscanf(line.c_str(), "G0 X%lf Y%lf", &x, &y) == 2 && (x != 0 || y != 0))
      add(x, y, true);
    else if (std::sscanf(line.c_str(), "G1 X%lf Y%lf", &x, &y) == 2)
      add(x, y, false);
  }
  return out;
}

double PenDown(const std::vector<base::PlotPass>& passes, const Picture& p) {
  return base::Measure(base::PlotOnPage(passes, p.width, p.height, {}).layers, {0, 0}).penDown;
}

TEST(Plot, EveryPictureOnThePageLessItsMarginAtThePagesSize) {
  struct Page {
    const char* name;
    bool landscape;
    double margin;
    int pens;
    const char* width;
    const char* height;
  };
  const Page pages[] = {{"A4", false, 15, 0, "210.000mm", "297.000mm"},
                        {"A3", true, 20, 2, "420.000mm", "297.000mm"},
                        {"300x200mm", false, 0, 1, "300.000mm", "200.000mm"}};
  for (const Picture& picture : Pictures()) {
    const std::vector<base::PlotPass> passes = Passes(picture);
    for (const Page& page : pages) {
      app::PlotOptions o;
      o.page = base::PageNamed(page.name);
      o.landscape = page.landscape;
      o.margin = page.margin;
      o.pens = page.pens;
      const base::Plot plot = base::PlotOnPage(passes, picture.width, picture.height, app::LayoutOf(o));
      const std::string svg = base::PlotterSvg(plot, picture.settings);
      EXPECT_NE(svg.find(std::string("width=\"") + page.width + "\" height=\"" + page.height), std::string::npos);
      if (page.pens) {
        EXPECT_LE(plot.layers.size(), static_cast<size_t>(page.pens));
      }
      int outside = 0;
      const double w = std::stod(page.width), h = std::stod(page.height);
      for (const Polyline& line : Polylines(svg))
        for (PlotPoint q : line)
          outside += q.x < o.margin || q.y < o.margin || q.x > w - o.margin || q.y > h - o.margin;
      EXPECT_EQ(outside, 0) << picture.name << " on " << page.name;
      EXPECT_EQ(svg.find("fill=\"#"), std::string::npos);
    }
  }
}

TEST(Plot, EachPassOnceAndNoSegmentTwice) {
  std::vector<double> shares;
  for (const Picture& picture : Pictures()) {
    const std::vector<base::PlotPass> passes = Passes(picture);
    const double share = PenDown(passes, picture) / PenDown(Passes(picture, true), picture);
    if (picture.name == "start.tra") {
      EXPECT_LE(share, 0.04);
    }
    if (picture.name.rfind("random", 0) == 0) {
      EXPECT_LE(share, 0.95) << picture.name;
      shares.push_back(share);
    }
    // Segments with their ends rounded to 0.05 mm, either way round.
    std::map<std::pair<std::pair<long, long>, std::pair<long, long>>, int> seen;
    int segments = 0, twice = 0;
    const base::Plot plot = base::PlotOnPage(passes, picture.width, picture.height, {});
    for (const Polyline& line : Polylines(base::PlotterSvg(plot, "")))
      for (size_t i = 1; i < line.size(); ++i) {
        auto a = std::make_pair(std::lround(line[i - 1].x * 20), std::lround(line[i - 1].y * 20));
        auto b = std::make_pair(std::lround(line[i].x * 20), std::lround(line[i].y * 20));
        if (a == b) continue;
        ++segments;
        twice += seen[std::minmax(a, b)]++ > 0;
      }
    EXPECT_LE(twice, 0.005 * segments) << picture.name;
  }
  std::sort(shares.begin(), shares.end());
  ASSERT_EQ(shares.size(), 24u);
  EXPECT_LE((shares[11] + shares[12]) / 2, 0.92);
}

TEST(Plot, MachineFormatsReadBackAsTheSvgStrokes) {
  for (const Picture& picture : {Pictures()[0], Pictures()[1], Pictures()[5]}) {
    const base::Plot plot = base::PlotOnPage(Passes(picture), picture.width, picture.height, {});
    const std::vector<Polyline> svg = Polylines(base::PlotterSvg(plot, ""));
    for (bool hpgl : {true, false}) {
      const std::vector<Polyline> back =
          Machine(hpgl ? base::Hpgl(plot) : base::Gcode(plot, {}), hpgl, plot.page.height);
      ASSERT_EQ(back.size(), svg.size()) << picture.name << (hpgl ? " HPGL" : " G-code");
      double worst = 0;
      for (size_t k = 0; k < svg.size(); ++k) {
        ASSERT_EQ(back[k].size(), svg[k].size());
        for (size_t i = 0; i < svg[k].size(); ++i) worst = std::max(worst, base::Distance(back[k][i], svg[k][i]));
      }
      EXPECT_LE(worst, 0.05) << picture.name;
    }
  }
  EXPECT_NE(base::Hpgl(base::PlotOnPage(Passes(Pictures()[0]), 1920, 1080, {})).find("PU;SP1;"), std::string::npos);
}

TEST(Plot, SandTrackReadsBackAsThePictureInTheDisc) {
  for (const Picture& picture : {Pictures()[0], Pictures()[1], Pictures()[4]}) {
    const std::vector<base::Stroke> strokes = base::PlotOnDisc(Passes(picture), picture.width, picture.height);
    std::istringstream in(base::SandTrack(strokes, picture.settings));
    Polyline track;
    std::vector<double> rhos;
    double theta, rho, last = NAN;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      ASSERT_EQ(std::sscanf(line.c_str(), "%lf %lf", &theta, &rho), 2) << line;
      EXPECT_TRUE(rho >= 0 && rho <= 1) << line;
      if (!std::isnan(last)) {
        EXPECT_LE(std::fabs(theta - last), M_PI) << line;
      }
      last = theta;
      track.push_back({rho * std::sin(theta), rho * std::cos(theta)});
      rhos.push_back(rho);
    }
    ASSERT_FALSE(rhos.empty());
    EXPECT_TRUE(rhos.front() == 0 || rhos.front() == 1);
    EXPECT_TRUE(rhos.back() == 0 || rhos.back() == 1);
    // Every point of the picture, in order along the track.
    size_t at = 0;
    for (const base::Stroke& s : strokes)
      for (PlotPoint p : s.points) {
        while (at < track.size() && base::Distance(track[at], p) > 0.002) ++at;
        ASSERT_LT(at, track.size()) << picture.name;
      }
  }
}

// The window plots the drawings on its canvas as they started, though each
// drawing wrote its last pass's scales back and moved its pen: twice what
// --render plots of the file, until the canvas is cleared.
TEST(Plot, TheWindowPlotsItsDrawingsAsTheyStarted) {
  const std::string parms = TESTS_DIR "/parms/triangle_loops.tra", path = testing::TempDir() + "w.hpgl";
  std::string settings, reason, summary, text;
  files::ParmsValues values;
  app::PlotOptions o;
  o.landscape = true;
  const auto strokes = [&] {
    EXPECT_TRUE(base::ReadWholeFile(path, 1 << 26, text, reason)) << reason;
    return Machine(text, true, 0);
  };
  ASSERT_TRUE(base::ReadWholeFile(parms, 1 << 20, settings, reason) &&
              files::ReadParms(base::Profile(settings), values, reason) &&
              app::RenderPlot(settings, values, 1024, 768, o, base::PlotKind::Hpgl, path, summary, reason));
  const std::vector<Polyline> rendered = strokes();
  forms::ScriptedServices services(1024, 768, 32);
  const auto started = app::StartWindow(services, 1);
  window::TrochelaMain& w = *started;
  ASSERT_TRUE(files::LoadParmsFile(w, parms, reason));
  w.ChkClear.SetValue(0);
  const auto plotted = [&] {
    forms::DialogAnswer save;
    save.kind = forms::DialogAnswer::Kind::Save, save.path = path;
    services.Answer(save);
    files::CmdSave_Click(w);
    return strokes();
  };
  engine::CmdDraw_Click(w);
  EXPECT_EQ(plotted(), rendered);
  engine::CmdDraw_Click(w);
  EXPECT_EQ(plotted().size(), 2 * rendered.size());
  files::CmdClear_Click(w);
  EXPECT_TRUE(plotted().empty());
  // Unless the plot dialog says otherwise, each colour of a gradient has a pen.
  w.ChkGradient.SetValue(1);
  engine::CmdDraw_Click(w);
  EXPECT_FALSE(plotted().empty());
  EXPECT_NE(text.find("SP4;"), std::string::npos);
}

}  // namespace
