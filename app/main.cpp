// Trochela: doodling roulette curves.
#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/gallery.h"
#include "app/render.h"
#include "app/splash.h"
#include "app/startup.h"
#include "automation/script_runner.h"
#include "base/file_io.h"
#include "base/look.h"
#include "base/numbers.h"
#include "base/raster.h"
#include "files/open_file.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

using base::kMaxPictureSide;
constexpr size_t kMaxScriptBytes = size_t{64} << 20;
constexpr int kMaxPixelRatio = 8;

struct Options {
  bool headless = false;
  bool splash = true;
  int width = 1024, height = 768;
  bool screenGiven = false;
  int depth = 32;
  bool depthGiven = false;
  // Device pixels to a logical pixel of the screen given with --screen.
  double pixelRatio = 1;
  bool ratioGiven = false;
  std::optional<double> seed;  // none: from the clock
  std::string script;
  // The usage or the version asked for, and a file to open after start-up.
  bool help = false, version = false;
  std::string file;
  bool render = false;
  app::RenderRequest renderRequest;
  // --random and -j
  bool gallery = false;
  app::GalleryRequest galleryRequest;
  int jobs = 0;
};

void PrintUsage(std::ostream& out) {
  out << "usage: trochela [--no-splash] [FILE]\n"
      << "       trochela [--headless] [--screen WxH] [--pixel-ratio R] [--depth 16|32] [--seed "
         "N]\n"
      << "                [--no-splash] [--script SCRIPT] [FILE]\n"
      << "       trochela --help | --version\n"
      << "       trochela --render FILE.tra... (--out PICTURE | --out-dir DIR [--format "
         "png|bmp|svg])\n"
      << "                [--size WxH] [--seed N] [--antialias] [-j N]\n"
      << "       trochela --random N [FILE.tra] --out-dir DIR [--format png|bmp|svg]\n"
      << "                [--size WxH] [--seed N] [--antialias] [-j N]\n"
      << "FILE, a parameter file (.tra) or a picture, is loaded once the window is up.\n"
      << "(docs/automation.md and trochela(1) tell the script language)\n";
}

int Usage(const std::string& problem) {
  std::cerr << "trochela: " << problem << "\n";
  PrintUsage(std::cerr);
  return 2;
}

// "WxH" with each side from 1 to 16384 pixels, and nothing before or after.
bool ParseScreen(const QString& text, int& width, int& height) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return false;
  width = m.captured(1).toInt();
  height = m.captured(2).toInt();
  return width >= 1 && width <= kMaxPictureSide && height >= 1 && height <= kMaxPictureSide;
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
  const QCommandLineOption help(QStringList{"h", "help"}, "Print the usage.");
  const QCommandLineOption version("version", "Print the version.");
  parser.addOptions({help, version});
  const QCommandLineOption ratio("pixel-ratio", "Device pixels to a logical pixel.", "R");
  parser.addOption(ratio);
  const QCommandLineOption random("random", "Draw a gallery of N random pictures.", "N");
  const QCommandLineOption jobs(QStringList{"j", "jobs"}, "Worker processes (one a core).", "N");
  parser.addOptions({headless, noSplash, screen, depth, seed, script, render, out, outDir, format,
                     size, antialias, random, jobs});
  if (!parser.parse(args)) {
    problem = parser.errorText().toStdString();
    return false;
  }
  o.help = parser.isSet(help);
  o.version = parser.isSet(version);
  o.render = parser.isSet(render);
  o.gallery = parser.isSet(random);
  if (o.render && o.gallery) {
    problem = "--render and --random do not go together";
    return false;
  }
  const bool batch = o.render || o.gallery;
  const std::string batchName = o.gallery ? "--random" : "--render";
  // Each option goes with a batch or without it; none is ignored.
  for (const QCommandLineOption* option : {&out, &outDir, &format, &size, &antialias, &jobs}) {
    if (!batch && parser.isSet(*option)) {
      problem = "--" + option->names().last().toStdString() + " needs --render or --random";
      return false;
    }
  }
  for (const QCommandLineOption* option :
       {&headless, &script, &screen, &depth, &noSplash, &ratio}) {
    if (batch && parser.isSet(*option)) {
      problem = batchName + " runs alone: not with --" + option->names().first().toStdString();
      return false;
    }
  }
  const QStringList files = parser.positionalArguments();
  // Without a batch one file may follow the options: it is opened at start.
  if (!o.render && files.size() > 1) {
    problem = "unexpected argument " + files.at(1).toStdString();
    return false;
  }
  if (parser.isSet(jobs)) {
    bool number = false;
    o.jobs = parser.value(jobs).toInt(&number);
    if (!number || o.jobs < 1 || o.jobs > 1024) {
      problem = "-j takes a number of workers from 1 to 1024";
      return false;
    }
  }
  if (!batch && !files.isEmpty()) o.file = files.first().toStdString();
  if (o.render) {
    app::RenderRequest& r = o.renderRequest;
    for (const QString& file : files) r.parms.push_back(file.toStdString());
    r.out = parser.value(out).toStdString();
    r.outDir = parser.value(outDir).toStdString();
    r.formatGiven = parser.isSet(format);
    if (r.formatGiven) r.format = parser.value(format).toStdString();
    r.antialias = parser.isSet(antialias);
    r.jobs = o.jobs;
    if (parser.isSet(size) && !ParseScreen(parser.value(size), r.width, r.height)) {
      problem = "--size takes WxH, each side from 1 to " + std::to_string(kMaxPictureSide);
      return false;
    }
    problem = app::RenderRequestProblem(r);
    if (!problem.empty()) return false;
  }
  if (o.gallery) {
    app::GalleryRequest& g = o.galleryRequest;
    bool number = false;
    g.count = parser.value(random).toInt(&number);
    if (!number || g.count < 1 || g.count > 100000) {
      problem = "--random takes a number of pictures from 1 to 100000";
      return false;
    }
    if (!files.isEmpty()) g.parms = files.first().toStdString();
    g.outDir = parser.value(outDir).toStdString();
    if (g.outDir.empty() || parser.isSet(out)) {
      problem = "--random takes --out-dir, not --out";
      return false;
    }
    if (parser.isSet(format)) g.format = parser.value(format).toStdString();
    if (g.format != "png" && g.format != "bmp" && g.format != "svg") {
      problem = "--format takes png, bmp or svg";
      return false;
    }
    g.antialias = parser.isSet(antialias);
    if (g.antialias && g.format != "png") {
      problem = "--antialias draws PNG pictures only";
      return false;
    }
    if (parser.isSet(size) && !ParseScreen(parser.value(size), g.width, g.height)) {
      problem = "--size takes WxH, each side from 1 to " + std::to_string(kMaxPictureSide);
      return false;
    }
    g.jobs = o.jobs;
  }
  o.headless = parser.isSet(headless);
  o.splash = !parser.isSet(noSplash);
  if (parser.isSet(screen)) {
    if (!ParseScreen(parser.value(screen), o.width, o.height)) {
      problem = "--screen takes WxH, each side from 1 to " + std::to_string(kMaxPictureSide);
      return false;
    }
    o.screenGiven = true;
  }
  if (parser.isSet(ratio)) {
    const auto v = base::ParseNumber(parser.value(ratio).toStdString());
    if (!v || !(*v >= 1 && *v <= kMaxPixelRatio)) {
      problem = "--pixel-ratio takes a number from 1 to " + std::to_string(kMaxPixelRatio);
      return false;
    }
    o.pixelRatio = *v;
    o.ratioGiven = true;
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

}  // namespace

int main(int argc, char** argv) {
  // A write past the file size limit (ulimit -f) fails with "File too large"
  // and is told, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  Options o;
  std::string problem;
  if (!ParseOptions(argc, argv, o, problem)) return Usage(problem);
  if (o.help) {
    PrintUsage(std::cout);
    return 0;
  }
  if (o.version) {
    std::cout << "trochela " << base::kVersion << "\n";
    return 0;
  }
  // A gallery picks its settings in a window nobody sees, which needs the
  // toolkit without a screen; pictures are drawn without it.
  std::unique_ptr<QApplication> batchToolkit;
  const auto startToolkit = [&] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    batchToolkit = std::make_unique<QApplication>(argc, argv);
  };
  if (o.render) {
    app::RenderRequest& r = o.renderRequest;
    r.seed = o.seed;
    return app::RenderPictures(r);
  }
  if (o.gallery) {
    app::GalleryRequest& g = o.galleryRequest;
    g.seed = o.seed;
    g.startToolkit = startToolkit;
    return app::MakeGallery(g);
  }
  std::vector<automation::ScriptLine> lines;
  if (!o.script.empty()) {
    std::string text, reason;
    if (!base::ReadWholeFile(o.script, kMaxScriptBytes, text, reason))
      return Usage("cannot read script " + o.script + ": " + reason);
    if (!automation::ParseScript(text, lines, problem)) {
      std::cerr << "trochela: " << o.script << ": " << problem << "\n";
      return 2;
    }
  }
  if (o.headless) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The toolkit lays out the panel at the ratio given, as on such a screen.
  if (o.ratioGiven) setenv("QT_SCALE_FACTOR", QByteArray::number(o.pixelRatio).constData(), 1);
  QApplication qapp(argc, argv);

  // Headless runs and scripts get a scripted services; a desktop session the
  // real one, unless the screen or depth is given.
  std::unique_ptr<forms::Services> services;
  forms::ScriptedServices* scripted = nullptr;
  if (o.headless || !o.script.empty() || o.screenGiven || o.depthGiven || o.ratioGiven) {
    auto s = std::make_unique<forms::ScriptedServices>(o.width, o.height, o.depth, o.pixelRatio);
    scripted = s.get();
    services = std::move(s);
  } else {
    services = forms::MakeDesktopServices();
  }

  if (o.splash && !o.headless) {
    app::TrochelaSplash splash(*services);
    splash.form.Show(false);
    splash.form.Pause(3);
  }

  const auto started = app::StartWindow(
      *services, o.seed,
      !o.headless && !scripted ? app::WindowShown::FullScreen : app::WindowShown::Window);
  window::TrochelaMain& w = *started;
  // A file named on the command line, before the first script line.
  if (!o.file.empty()) files::OpenGivenFile(w, o.file);

  std::unique_ptr<automation::ScriptRunner> runner;
  if (!o.script.empty()) {
    runner = std::make_unique<automation::ScriptRunner>(
        w, *scripted, std::move(lines), std::filesystem::path(o.script).parent_path().string());
    runner->Start();
  }
  return qapp.exec();
}
