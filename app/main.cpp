// Trochela: doodling roulette curves.
#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/render.h"
#include "app/splash.h"
#include "app/startup.h"
#include "automation/script_runner.h"
#include "base/numbers.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

constexpr int kMaxScreenSide = 16384;

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

int Usage(const std::string& problem) {
  std::cerr << "trochela: " << problem << "\n"
            << "usage: trochela [--headless] [--screen WxH] [--depth 16|32] [--seed N]\n"
            << "                [--no-splash] [--script FILE]\n"
            << "       trochela --render FILE.tra... (--out PICTURE | --out-dir DIR [--format "
               "png|bmp|svg])\n"
            << "                [--size WxH] [--seed N] [--antialias]\n"
            << "(docs/automation.md tells the script language)\n";
  return 2;
}

// "WxH" with each side from 1 to 16384 pixels, and nothing before or after.
bool ParseScreen(const QString& text, int& width, int& height) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return false;
  width = m.captured(1).toInt();
  height = m.captured(2).toInt();
  return width >= 1 && width <= kMaxScreenSide && height >= 1 && height <= kMaxScreenSide;
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& problem) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  const QCommandLineOption headless("headless", "Run without a display (needs --script).");
  const QCommandLineOption noSplash("no-splash", "Start without the splash window.");
  const QCommandLineOption screen("screen", "Screen size in pixels.", "WxH");
  const QCommandLineOption depth("depth", "Colour depth of the screen.", "16|32");
  const QCommandLineOption seed("seed", "Seed of the random numbers.", "N");
  const QCommandLineOption script("script", "Run a script of user actions.", "FILE");
  const QCommandLineOption render("render", "Draw the parameter files given as arguments.");
  const QCommandLineOption out("out", "The picture of the one parameter file.", "PICTURE");
  const QCommandLineOption outDir("out-dir", "The folder for one picture a file.", "DIR");
  const QCommandLineOption format("format", "The pictures' format in --out-dir.", "png|bmp|svg");
  const QCommandLineOption size("size", "Picture size in pixels (1920x1080).", "WxH");
  const QCommandLineOption antialias("antialias", "Draw PNG pictures smoothly.");
  parser.addOptions({headless, noSplash, screen, depth, seed, script, render, out, outDir, format,
                     size, antialias});
  if (!parser.parse(args)) {
    problem = parser.errorText().toStdString();
    return false;
  }
  o.render = parser.isSet(render);
  if (!o.render && !parser.positionalArguments().isEmpty()) {
    problem = "unexpected argument " + parser.positionalArguments().first().toStdString();
    return false;
  }
  if (o.render) {
    app::RenderRequest& r = o.renderRequest;
    for (const QString& file : parser.positionalArguments()) r.parms.push_back(file.toStdString());
    r.out = parser.value(out).toStdString();
    r.outDir = parser.value(outDir).toStdString();
    if (parser.isSet(format)) r.format = parser.value(format).toStdString();
    r.antialias = parser.isSet(antialias);
    if (parser.isSet(size) && !ParseScreen(parser.value(size), r.width, r.height)) {
      problem = "--size takes WxH, each side from 1 to " + std::to_string(kMaxScreenSide);
      return false;
    }
    if (r.parms.empty()) {
      problem = "--render takes parameter files";
      return false;
    }
  }
  o.headless = parser.isSet(headless);
  o.splash = !parser.isSet(noSplash);
  if (parser.isSet(screen)) {
    if (!ParseScreen(parser.value(screen), o.width, o.height)) {
      problem = "--screen takes WxH, each side from 1 to " + std::to_string(kMaxScreenSide);
      return false;
    }
    o.screenGiven = true;
  }
  if (parser.isSet(depth)) {
    const QString v = parser.value(depth);
    if (v != "16" && v != "32") {
      problem = "--depth takes 16 or 32";
      return false;
    }
    o.depth = v.toInt();
    o.depthGiven = true;
  }
  if (parser.isSet(seed)) {
    const auto v = base::ParseNumber(parser.value(seed).toStdString());
    if (!v) {
      problem = "--seed takes a number";
      return false;
    }
    o.seed = *v;
    o.seedGiven = true;
  }
  if (parser.isSet(script)) {
    o.script = parser.value(script).toStdString();
    if (o.script.empty()) {
      problem = "--script takes a file";
      return false;
    }
  }
  // A headless run has nothing to do but a script, and no way to be ended.
  if (o.headless && o.script.empty()) {
    problem = "--headless needs --script";
    return false;
  }
  return true;
}

// The whole of a script file; false when it cannot be read (a folder, a file
// without read permission, a read error).
bool ReadFile(const std::string& path, std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
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
  std::vector<automation::ScriptLine> lines;
  if (!o.script.empty()) {
    std::string text;
    if (!ReadFile(o.script, text)) return Usage("cannot read script " + o.script);
    if (!automation::ParseScript(text, lines, problem)) {
      std::cerr << "trochela: " << o.script << ": " << problem << "\n";
      return 2;
    }
  }
  if (o.headless) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication qapp(argc, argv);

  // Headless runs and scripts get a scripted services; a desktop session the
  // real one, unless the screen or depth is given.
  std::unique_ptr<forms::Services> services;
  forms::ScriptedServices* scripted = nullptr;
  if (o.headless || !o.script.empty() || o.screenGiven || o.depthGiven) {
    auto s = std::make_unique<forms::ScriptedServices>(o.width, o.height, o.depth);
    scripted = s.get();
    services = std::move(s);
  } else {
    services = forms::MakeDesktopServices();
  }

  if (o.splash && !o.headless) {
    app::TrochelaSplash splash(*services);
    splash.form.Show(false);
    app::PauseSeconds(splash.form, 3);
  }

  window::TrochelaMain w(*services);
  app::WireHandlers(w);
  app::Form_Load(w, o.seedGiven, o.seed);
  w.form.Show(!o.headless && !scripted);
  w.Canvas.SetFocus();

  std::unique_ptr<automation::ScriptRunner> runner;
  if (!o.script.empty()) {
    runner = std::make_unique<automation::ScriptRunner>(
        w, *scripted, std::move(lines), std::filesystem::path(o.script).parent_path().string());
    runner->Start();
  }
  return qapp.exec();
}
