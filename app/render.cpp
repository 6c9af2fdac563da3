#include "app/render.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <set>

#include "app/batch.h"
#include "files/pen_colour_section.h"
#include "base/drawing_state.h"
#include "base/numbers.h"
#include "base/picture_file.h"
#include "base/profile.h"
#include "base/settings_in_pictures.h"
#include "drawing/draw_picture.h"
#include "files/parameter_file.h"
#include "files/parms_check.h"
#include "files/parms_settings.h"
#include "model/bindings.h"
#include "model/random_settings.h"

namespace app {
namespace {

namespace fs = std::filesystem;

constexpr double kProgressSeconds = 0.25;

// A canvas of its own for a picture drawn without a window, on a screen of
// the request's size, as a window's canvas covers the screen: white, 1.05
// units a pixel with the origin in the middle, its lines kept as vectors.
struct Canvas {
  Canvas(int width, int height)
      : image(width, height, kWhite), mapping(base::ScreenMapping(width, height)) {
    lines.Reset(kWhite, nullptr);
  }
  static constexpr uint32_t kWhite = 0xFFFFFF;
  base::Image image;
  base::Mapping mapping;
  base::LineLog lines;
};

// Nobody to yield to: the host only tells how far the drawing is and stops
// it when the run is asked to end.
class CanvasHost final : public drawing::Host {
 public:
  CanvasHost(Canvas& c, const base::DrawingState& d, std::function<void(double)> progress)
      : canvas_(c), d_(d), progress_(std::move(progress)) {}
  drawing::LineTarget Target(const model::PictureSettings& s) override {
    return {&canvas_.image, &canvas_.lines, canvas_.mapping, s.penShown, s.penWidth};
  }
  const int16_t& StopFlag() const override { return stop_; }
  void Yield(model::PictureSettings& s, const base::Rect&) override {
    if (StopAsked()) stop_ = -1;
    if (progress_) progress_(DrawnPart(s));
  }

 private:
  // How far the drawing is, from 0 to 1: the passes done and the part of the
  // current one.
  double DrawnPart(const model::PictureSettings& s) const {
    const double loops =
        std::max(1, static_cast<int>(base::ToInt16(s[model::FieldId::Loops].Number())));
    const double end = s[model::FieldId::Rotations].Number();
    const double pass = end != 0 ? d_.CurveParam / end : 0;
    return std::clamp((d_.PassNumber - 1 + std::clamp(pass, 0.0, 1.0)) / loops, 0.0, 1.0);
  }
  Canvas& canvas_;
  const base::DrawingState& d_;
  std::function<void(double)> progress_;
  int16_t stop_ = 0;
};

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

bool RenderSettings(const std::string& settings, const files::ParmsValues& values, int width,
                    int height, bool antialias, const std::string& out, bool showProgress,
                    std::string& problem, base::AtLink atLink,
                    const base::Animation& animation) try {
  model::PictureSettings s = files::SettingsOfText(settings, values, width, height);
  Canvas canvas(width, height);
  base::DrawingState d;
  double shown = -1;
  std::function<void(double)> progress;
  if (showProgress)
    progress = [&](double part) {
      const double now = SteadySeconds();
      if (now - shown < kProgressSeconds) return;
      shown = now;
      std::fprintf(stderr, "\r%s: %5.1f%%", out.c_str(), 100 * part);
    };
  CanvasHost host(canvas, d, progress);
  drawing::DrawPicture(s, d, host, s.Multi != 0, s.Shape());
  if (shown >= 0) std::fprintf(stderr, "\r%s: done  \n", out.c_str());
  if (StopAsked()) {
    problem = "stopped before " + out + " was written";
    return false;
  }
  std::string reason;
  if (!base::SavePicture({canvas.image, canvas.lines, true}, out, antialias, settings, reason,
                         atLink, animation)) {
    problem = "cannot write " + out + ": " + reason;
    return false;
  }
  return true;
} catch (const std::bad_alloc&) {
  problem = "cannot draw " + out + ": out of memory";
  return false;
}

namespace {

// One picture, as the program draws a parameter file it has just loaded
// with Draw: the settings' text, from a parameter file or a picture that
// carries it, goes into the picture as it stands. A [Colour] section that
// cannot be used is refused before anything is drawn.
bool RenderOne(const RenderRequest& r, const std::string& parms, const std::string& out,
               bool showProgress, std::string& problem) {
  std::string settings, reason;
  files::ParmsValues values;
  if (!base::ReadSettingsText(parms, files::kMaxProfileBytes, settings, reason) ||
      !files::ReadParms(base::Profile(settings), values, reason) ||
      !(reason = files::PenColourSectionProblem(settings)).empty()) {
    problem = "cannot load " + parms + ": " + reason;
    return false;
  }
  const base::AtLink atLink = r.batch.outDir.empty() ? base::AtLink::Follow : base::AtLink::Refuse;
  if (const PlotKind kind = PlotKindOfName(out, r.plot.page.has_value()); kind != PlotKind::None) {
    std::string summary;
    if (!RenderPlot(settings, values, r.batch.width, r.batch.height, r.plot, kind, out, summary,
                    problem, atLink))
      return false;
    std::fprintf(stdout, "%s: %s\n", out.c_str(), summary.c_str());
    return true;
  }
  return RenderSettings(settings, values, r.batch.width, r.batch.height, r.batch.antialias, out,
                        showProgress, problem, atLink, r.batch.animation);
}

}  // namespace

std::string RenderRequestProblem(const RenderRequest& r) {
  if (r.parms.empty()) return "--render takes parameter files";
  if (r.out.empty() == r.batch.outDir.empty()) return "--render takes --out or --out-dir";
  if (!r.out.empty() && r.parms.size() != 1) return "--out takes one parameter file";
  if (!r.out.empty() && r.batch.formatGiven)
    return "--format goes with --out-dir; --out takes the kind of its name's ending";
  // A plot: by --out's ending, or SVG with a page in --out-dir.
  const std::string named = r.out.empty() ? "." + r.batch.format : r.out;
  if (const PlotKind plot = PlotKindOfName(named, r.plot.page.has_value()); plot != PlotKind::None) {
    if (r.batch.antialias || r.batch.animationGiven)
      return BatchKindProblem(r.batch, base::PictureKind::Bitmap);
    return PlotOptionsProblem(plot, r.plot);
  }
  if (!r.plot.pageOptions.empty() || !r.plot.gcodeOptions.empty())
    return "--landscape, --margin, --pens and the G-code options go with a plot: --page with "
           ".svg, or .hpgl, .plt, .gcode, .nc";
  // The kind comes from the format, or from --out's ending, which must name one.
  const std::string ending = r.out.empty() ? r.batch.format : fs::path(r.out).extension().string();
  base::PictureKind kind;
  if (r.out.empty() && !base::KindOfEnding(ending, kind))
    return "--format takes png, bmp, svg, webp or gif";
  if (!r.out.empty() && (ending.empty() || !base::KindOfEnding(ending.substr(1), kind)))
    return "--out takes a name ending in .png, .bmp, .svg, .webp, .gif, .hpgl, .plt, .gcode, .nc or "
           ".thr: " + r.out;
  return BatchKindProblem(r.batch, kind);
}

std::vector<std::string> RenderOutputs(const RenderRequest& r) {
  if (r.batch.outDir.empty()) return {r.out};
  std::vector<std::string> outs;
  std::set<std::string> taken;
  for (const std::string& parms : r.parms) {
    const std::string stem = fs::path(parms).stem().string();
    std::string name = stem + "." + r.batch.format;
    for (int n = 2; taken.count(name); ++n) name = stem + "-" + std::to_string(n) + "." + r.batch.format;
    taken.insert(name);
    outs.push_back((fs::path(r.batch.outDir) / name).string());
  }
  return outs;
}

int RenderPictures(const RenderRequest& r) {
  if (!r.batch.outDir.empty()) {
    std::error_code ec;
    fs::create_directories(r.batch.outDir, ec);
    if (!fs::is_directory(r.batch.outDir)) {
      std::cerr << "trochela: cannot make the folder " << r.batch.outDir << ": "
                << (ec ? ec.message() : "a file has its name") << "\n";
      return 2;
    }
  }
  // Every picture of the run, each a fresh window in a worker process: what
  // a picture has to say (its line, its failure) comes in the files' order.
  const std::vector<std::string> outs = RenderOutputs(r);
  const int files = static_cast<int>(r.parms.size());
  const int jobs = std::min(r.batch.outDir.empty() ? 1 : r.batch.jobs > 0 ? r.batch.jobs : DefaultJobs(), files);
  // Progress on a terminal, where one picture draws at a time.
  const bool showProgress = jobs == 1 && ::isatty(STDERR_FILENO) == 1;
  const auto job = [&](int i, std::string& said) {
    if (files > 1) {
      said.append(1, '[').append(std::to_string(i + 1)).append(1, '/');
      said.append(std::to_string(files)).append("] ").append(r.parms[i]);
      said.append(" -> ").append(outs[i]).append(1, '\n');
    }
    std::string problem;
    bool done = false;
    try {
      done = RenderOne(r, r.parms[i], outs[i], showProgress, problem);
    } catch (const std::bad_alloc&) {
      problem = "cannot render " + r.parms[i] + ": out of memory";
    }
    if (!done) said += "trochela: " + problem + "\n";
    return done;
  };
  return RunJobs(files, jobs, job) ? 0 : 2;
}

}  // namespace app
