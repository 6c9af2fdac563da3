// Plots against what plotter users get today: the pen-down length of the
// start picture and of a gallery against the screen SVG's lines on the same
// page, the pen-up travel of eight-pass pictures against a greedy
// nearest-neighbour ordering with reversal of those lines, and the
// whole-process time of a plotter SVG against a screen SVG. Usage:
// trochela_plot_bench TROCHELA
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/gallery.h"
#include "app/plot.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "files/parms_check.h"

namespace {

std::vector<base::PlotPass> Passes(const std::string& settings, int w, int h, bool whole) {
  files::ParmsValues values;
  std::string reason;
  std::vector<base::PlotPass> passes;
  if (!files::ReadParms(base::Profile(settings), values, reason) ||
      !app::DrawPasses(settings, values, w, h, passes, reason, whole))
    std::fprintf(stderr, "cannot draw: %s\n", reason.c_str());
  return passes;
}

// The screen SVG's lines on the page: clipped and mapped, in drawing order
// or ordered greedily with reversal.
base::PlotMeasure Naive(const std::vector<base::PlotPass>& passes, int w, int h, bool greedy) {
  app::PlotOptions o;
  const base::PageFit fit = base::FitOnPage(app::LayoutOf(o).page, o.margin, w, h);
  base::PlotLayer all;
  for (const base::PlotPass& p : passes)
    for (base::Stroke& s : base::ClipToRect(p.stroke, 0, 0, w, h)) {
      for (base::PlotPoint& q : s.points) q = fit.Map(q);
      all.strokes.push_back(std::move(s));
    }
  base::PlotPoint pen{0, 0};
  if (greedy) base::OrderStrokes(all.strokes, pen, false);
  return base::Measure({all}, {0, 0});
}

base::PlotMeasure Planned(const std::vector<base::PlotPass>& passes, int w, int h) {
  return base::Measure(base::PlotOnPage(passes, w, h, {}).layers, {0, 0});
}

double BestSeconds(const std::string& command, int rounds) {
  double best = 1e9;
  for (int i = 0; i < rounds; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  return best;
}

std::vector<std::string> Gallery(int count, double seed) {
  app::GalleryRequest r;
  r.count = count;
  r.batch.width = 1123;
  r.batch.height = 794;
  std::vector<std::string> out;
  std::string reason;
  app::GallerySettings(r, seed, out, reason);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string exe = argc > 1 ? argv[1] : "trochela";
  const std::string start = TROCHELA_SOURCE_DIR "/examples/start.tra";
  std::string settings, reason;
  base::ReadWholeFile(start, 1 << 20, settings, reason);
  const double startShare = Planned(Passes(settings, 1920, 1080, false), 1920, 1080).penDown /
                            Naive(Passes(settings, 1920, 1080, true), 1920, 1080, false).penDown;
  std::printf("plot-start-pen-down-share %.3f (goal at most 0.04)\n", startShare);

  // The gallery --random 24 --seed 7 --size 1123x794.
  std::vector<double> shares;
  for (const std::string& s : Gallery(24, 7))
    shares.push_back(Planned(Passes(s, 1123, 794, false), 1123, 794).penDown /
                     Naive(Passes(s, 1123, 794, true), 1123, 794, false).penDown);
  std::sort(shares.begin(), shares.end());
  std::printf("plot-gallery-pen-down-share median %.3f max %.3f (goals 0.92, 0.95)\n",
              (shares[11] + shares[12]) / 2, shares.back());

  // Eight-pass pictures: Loops 8, Dec 0.9, Rot+ 10, Pen+ 5.
  double inOrder = 0, greedy = 0, planned = 0;
  int pictures = 0;
  for (std::string s : Gallery(24, 7)) {
    for (const auto& [key, value] : {std::pair{"TxtLoop=", " 8"}, {"TxtPctDec=", " 0.9"},
                                     {"TxtRotInc=", " 10"}, {"HoleInc=", " 5"}}) {
      const size_t at = s.find(std::string("\n") + key) + 1 + std::string(key).size();
      s.replace(at, s.find('\n', at) - at, value);
    }
    const auto whole = Passes(s, 1123, 794, true);
    const auto between = [](const base::PlotMeasure& m) { return m.penUp - m.firstMove; };
    inOrder += between(Naive(whole, 1123, 794, false));
    greedy += between(Naive(whole, 1123, 794, true));
    planned += between(Planned(Passes(s, 1123, 794, false), 1123, 794));
    ++pictures;
  }
  std::printf("plot-pen-up-mm between strokes on %d eight-pass pictures: drawing order %.0f, greedy %.0f, "
              "plot %.0f; plot/greedy %.3f (goal at most 0.20)\n",
              pictures, inOrder, greedy, planned, planned / greedy);

  // The whole process, best of 7.
  const std::string render = "'" + exe + "' --render '" + start + "' --out ";
  const double plotSeconds = BestSeconds(render + "/tmp/trochela-plot-bench.svg --page A4 >/dev/null", 7);
  const double screenSeconds = BestSeconds(render + "/tmp/trochela-screen-bench.svg", 7);
  std::remove("/tmp/trochela-plot-bench.svg");
  std::remove("/tmp/trochela-screen-bench.svg");
  std::printf("plot-svg-ms %.1f screen-svg-ms %.1f ratio %.2f (goal at most 3)\n",
              plotSeconds * 1000, screenSeconds * 1000, plotSeconds / screenSeconds);
  return 0;
}
