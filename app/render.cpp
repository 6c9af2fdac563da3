#include "app/render.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <set>

#include "app/batch.h"
#include "app/pen_colour_section.h"
#include "app/startup.h"
#include "base/numbers.h"
#include "base/settings_in_pictures.h"
#include "engine/draw_driver.h"
#include "files/parameter_file.h"
#include "forms/picture_export.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace app {
namespace {

namespace fs = std::filesystem;

constexpr double kProgressSeconds = 0.25;

// The kind of picture a name's ending gives, in lower case ("png"); empty
// when the ending is none the program writes.
std::string KindOfName(const std::string& name) {
  std::string ending = fs::path(name).extension().string();
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* kind : {".png", ".bmp", ".svg"})
    if (ending == kind) return ending.substr(1);
  return {};
}

// How far the drawing is, from 0 to 1: the passes done and the part of the
// current one.
double DrawnPart(window::TrochelaMain& w) {
  const double loops = std::max(1, static_cast<int>(base::ToInt16(w.TxtLoop.Number())));
  const double end = w.TxtRotations.Number();
  const double pass = end != 0 ? w.draw.CurveParam / end : 0;
  const double part = (w.draw.PassNumber - 1 + std::clamp(pass, 0.0, 1.0)) / loops;
  return std::clamp(part, 0.0, 1.0);
}

// One picture: a fresh window, as if the program had just started, loads the
// file and draws it.
bool RenderOne(const RenderRequest& r, const std::string& parms, const std::string& out,
               bool showProgress, std::string& problem) {
  forms::ScriptedServices services(r.width, r.height, 32);
  // Shown with the canvas focused, as a window starts: the load's focus
  // moves then run the same handlers. Nobody sees the window, so it takes no
  // screen memory.
  const auto started = StartWindow(services, r.seed, WindowShown::Unseen);
  window::TrochelaMain& w = *started;
  // The settings' text, from a parameter file or a picture that carries it,
  // goes into the picture as it stands.
  std::string settings, reason;
  if (!base::ReadSettingsText(parms, files::kMaxProfileBytes, settings, reason) ||
      !files::LoadParmsText(w, settings, reason)) {
    problem = "cannot load " + parms + ": " + reason;
    return false;
  }
  ApplyPenColourSection(w, settings);
  double shown = -1;
  if (showProgress) {
    w.form.OnRefresh = [&] {
      const double now = forms::SteadySeconds();
      if (now - shown < kProgressSeconds) return;
      shown = now;
      std::fprintf(stderr, "\r%s: %5.1f%%", out.c_str(), 100 * DrawnPart(w));
    };
  }
  engine::CmdDraw_Click(w);  // returns when the drawing has ended
  w.form.OnRefresh = nullptr;
  if (shown >= 0) std::fprintf(stderr, "\r%s: done  \n", out.c_str());
  // A handler that failed on the way (out of memory) has said so: the
  // picture is not the file's.
  if (!services.Messages().empty()) {
    problem = "cannot render " + parms + ": " + services.Messages().back();
    return false;
  }
  if (!forms::SaveCanvas(w.Canvas, out, r.antialias, settings, reason)) {
    problem = "cannot write " + out + ": " + reason;
    return false;
  }
  return true;
}

}  // namespace

std::string RenderRequestProblem(const RenderRequest& r) {
  if (r.parms.empty()) return "--render takes parameter files";
  if (r.out.empty() == r.outDir.empty()) return "--render takes --out or --out-dir";
  if (!r.out.empty() && r.parms.size() != 1) return "--out takes one parameter file";
  if (!r.out.empty() && r.formatGiven)
    return "--format goes with --out-dir; --out takes the kind of its name's ending";
  const std::string kind = r.out.empty() ? r.format : KindOfName(r.out);
  if (r.out.empty() && KindOfName("x." + r.format) != r.format)
    return "--format takes png, bmp or svg";
  if (kind.empty()) return "--out takes a name ending in .png, .bmp or .svg: " + r.out;
  if (r.antialias && kind != "png") return "--antialias draws PNG pictures only";
  return {};
}

std::vector<std::string> RenderOutputs(const RenderRequest& r) {
  if (r.outDir.empty()) return {r.out};
  std::vector<std::string> outs;
  std::set<std::string> taken;
  for (const std::string& parms : r.parms) {
    const std::string stem = fs::path(parms).stem().string();
    std::string name = stem + "." + r.format;
    for (int n = 2; taken.count(name); ++n) name = stem + "-" + std::to_string(n) + "." + r.format;
    taken.insert(name);
    outs.push_back((fs::path(r.outDir) / name).string());
  }
  return outs;
}

int RenderPictures(const RenderRequest& r) {
  if (!r.outDir.empty()) {
    std::error_code ec;
    fs::create_directories(r.outDir, ec);
    if (!fs::is_directory(r.outDir)) {
      std::cerr << "trochela: cannot make the folder " << r.outDir << ": "
                << (ec ? ec.message() : "a file has its name") << "\n";
      return 2;
    }
  }
  // Every picture of the run, each a fresh window in a worker process: what
  // a picture has to say (its line, its failure) comes in the files' order.
  const std::vector<std::string> outs = RenderOutputs(r);
  const int files = static_cast<int>(r.parms.size());
  const int jobs = std::min(r.outDir.empty() ? 1 : r.jobs > 0 ? r.jobs : DefaultJobs(), files);
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
  return RunJobs(files, jobs, r.startToolkit, job) ? 0 : 2;
}

}  // namespace app
