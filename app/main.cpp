// Trochela: doodling roulette curves.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "app/automation.h"
#include "app/render.h"
#include "app/splash.h"
#include "app/startup.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

struct Options {
  bool headless = false;
  bool splash = true;
  int width = 1024, height = 768;
  bool screenGiven = false;
  int depth = 32;
  bool depthGiven = false;
  bool seedGiven = false;
  double seed = 0;
  std::string script;
  bool render = false;
  app::RenderRequest renderRequest;
};

// WxH with each side from 1 to 16384 and nothing after it.
bool ParseSize(const char* v, int& width, int& height) {
  if (!v) return false;
  unsigned w = 0, h = 0;
  int used = 0;
  if (std::sscanf(v, "%5ux%5u%n", &w, &h, &used) != 2 || v[used] != '\0') return false;
  if (w < 1 || h < 1 || w > 16384 || h > 16384) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

int Usage(const std::string& problem) {
  std::cerr << "trochela: " << problem << "\n"
            << "usage: trochela [--headless] [--screen WxH] [--depth 16|32] [--seed N]\n"
            << "                [--no-splash] [--script FILE]\n"
            << "       trochela --render FILE.tra... (--out PICTURE | --out-dir DIR [--format "
               "png|bmp|svg])\n"
            << "                [--size WxH] [--seed N] [--antialias]\n"
            << "                [--no-splash] [--script FILE]\n";
  return 2;
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& problem) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--headless") {
      o.headless = true;
    } else if (a == "--no-splash") {
      o.splash = false;
    } else if (a == "--screen") {
      const char* v = value();
      if (!v || std::sscanf(v, "%dx%d", &o.width, &o.height) != 2 || o.width < 1 || o.height < 1) {
        problem = "--screen takes WxH";
        return false;
      }
      o.screenGiven = true;
    } else if (a == "--depth") {
      const char* v = value();
      if (!v || (std::string(v) != "16" && std::string(v) != "32")) {
        problem = "--depth takes 16 or 32";
        return false;
      }
      o.depth = std::atoi(v);
      o.depthGiven = true;
    } else if (a == "--seed") {
      const char* v = value();
      if (!v) {
        problem = "--seed takes a number";
        return false;
      }
      o.seed = std::atof(v);
      o.seedGiven = true;
    } else if (a == "--script") {
      const char* v = value();
      if (!v) {
        problem = "--script takes a file";
        return false;
      }
      o.script = v;
    } else if (a == "--render") {
      o.render = true;
      while (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0)
        o.renderRequest.parms.push_back(argv[++i]);
      if (o.renderRequest.parms.empty()) {
        problem = "--render takes parameter files";
        return false;
      }
    } else if (a == "--out" || a == "--out-dir" || a == "--format") {
      const char* v = value();
      if (!v) {
        problem = a + " takes a value";
        return false;
      }
      (a == "--out"       ? o.renderRequest.out
       : a == "--out-dir" ? o.renderRequest.outDir
                          : o.renderRequest.format) = v;
    } else if (a == "--size") {
      if (!ParseSize(value(), o.renderRequest.width, o.renderRequest.height)) {
        problem = "--size takes WxH, each side from 1 to 16384";
        return false;
      }
    } else if (a == "--antialias") {
      o.renderRequest.antialias = true;
    } else {
      problem = "unknown option " + a;
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::string problem;
  if (!ParseOptions(argc, argv, o, problem)) return Usage(problem);
  if (o.render) {
    app::RenderRequest& r = o.renderRequest;
    r.seedGiven = o.seedGiven;
    r.seed = o.seed;
    if (r.out.empty() == r.outDir.empty()) return Usage("--render takes --out or --out-dir");
    if (!r.out.empty() && r.parms.size() != 1) return Usage("--out takes one parameter file");
    if (r.format != "png" && r.format != "bmp" && r.format != "svg")
      return Usage("--format takes png, bmp or svg");
    if (o.headless || !o.script.empty()) return Usage("--render runs alone");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    return app::RenderPictures(r);
  }
  std::vector<app::ScriptLine> lines;
  if (!o.script.empty()) {
    std::ifstream in(o.script);
    if (!in) return Usage("cannot read script " + o.script);
    std::stringstream text;
    text << in.rdbuf();
    if (!app::ParseScript(text.str(), lines, problem)) {
      std::cerr << "trochela: " << o.script << ": " << problem << "\n";
      return 2;
    }
  }
  if (o.headless) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication qapp(argc, argv);

  // Headless runs and scripts get a scripted machine; a desktop session the
  // real one, unless the screen or depth is given.
  std::unique_ptr<forms::Services> machine;
  forms::ScriptedServices* scripted = nullptr;
  if (o.headless || !o.script.empty() || o.screenGiven || o.depthGiven) {
    auto s = std::make_unique<forms::ScriptedServices>(o.width, o.height, o.depth);
    scripted = s.get();
    machine = std::move(s);
  } else {
    machine = forms::MakeDesktopServices();
  }

  if (o.splash && !o.headless) {
    app::TrochelaSplash splash(*machine);
    splash.form.Show(false);
    app::PauseSeconds(splash.form, 3);
  }

  window::TrochelaMain w(*machine);
  app::WireHandlers(w);
  app::Form_Load(w, o.seedGiven, o.seed);
  w.form.Show(!o.headless && !scripted);
  w.Canvas.SetFocus();

  std::unique_ptr<app::ScriptRunner> runner;
  if (!o.script.empty()) {
    runner = std::make_unique<app::ScriptRunner>(
        w, *scripted, std::move(lines), std::filesystem::path(o.script).parent_path().string());
    runner->Start();
  }
  return qapp.exec();
}
