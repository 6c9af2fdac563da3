// Trochela: doodling roulette curves.
#include <QApplication>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/gallery.h"
#include "app/render.h"
#include "app/splash.h"
#include "app/startup.h"
#include "automation/script_runner.h"
#include "base/file_io.h"
#include "base/look.h"
#include "base/numbers.h"
#include "base/picture_file.h"
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
         "png|bmp|svg|webp|gif])\n"
      << "                [--size WxH] [--seed N] [--antialias] [--frames N] [--fps F] [-j N]\n"
      << "       trochela --render FILE.tra --out PLOT.svg|.hpgl|.plt|.gcode|.nc|.thr [--page PAGE]\n"
      << "                [--landscape] [--margin MM] [--pens N] [--size WxH]\n"
      << "                [--pen-up GCODE] [--pen-down GCODE] [--feed MM_PER_MIN]\n"
      << "       trochela --random N [FILE.tra] --out-dir DIR [--format png|bmp|svg|webp|gif]\n"
      << "                [--size WxH] [--seed N] [--antialias] [--frames N] [--fps F] [-j N]\n"
      << "A .webp or .gif picture is an animation of the drawing in N frames (default "
      << base::Animation::kFrames << ")\nat F frames a second (default " << base::Animation::kFps
      << ").\n"
      << "FILE, a parameter file (.tra) or a picture, is loaded once the window is up.\n"
      << "(trochela(1) tells the script language and the exit status)\n";
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

int Usage(const std::string& problem) {
  std::cerr << "trochela: " << problem << "\n";
  PrintUsage(std::cerr);
  return 2;
}

// "WxH" with each side from 1 to 16384 pixels, and nothing before or after.
bool ParseScreen(const std::string& text, int& width, int& height) {
  const size_t x = text.find('x');
  const auto side = [&](std::string_view digits, int& to) {
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
      return false;
    to = std::stoi(std::string(digits));
    return to >= 1 && to <= kMaxPictureSide;
  };
  return x != std::string::npos && side(std::string_view(text).substr(0, x), width) &&
         side(std::string_view(text).substr(x + 1), height);
}

// A whole number written in plain digits only (no blanks, no sign) from min
// to max.
std::optional<int> PlainWhole(const std::string& text, int min, int max) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int v = std::stoi(text);
  return v >= min && v <= max ? std::optional<int>(v) : std::nullopt;
}

// What the command line gave, option by option, as the bytes given (a path
// that is not UTF-8 stays the name it is); a flag holds an empty value.
struct Given {
  std::optional<std::string> help, version, render, random, out, outDir, format, size, antialias,
      jobs, headless, script, screen, depth, noSplash, ratio, seed, frames, fps;
  app::PlotWords plot;
  std::vector<std::string> files;
};

// Where an option may go: anywhere, only with a batch (--render, --random),
// or only without one.
enum class Goes { Anywhere, WithBatch, WithoutBatch };

// Every option: its long name, its letter (-h), whether it takes a value and
// what it sets.
struct OptionRow {
  std::string_view name;
  char letter;
  bool takesValue;
  Goes goes;
  std::optional<std::string> Given::*sets;
  std::optional<std::string> app::PlotWords::*setsPlot = nullptr;
};

constexpr OptionRow kOptions[] = {
    {"help", 'h', false, Goes::Anywhere, &Given::help},
    {"version", 0, false, Goes::Anywhere, &Given::version},
    {"render", 0, false, Goes::Anywhere, &Given::render},
    {"random", 0, true, Goes::Anywhere, &Given::random},
    {"out", 0, true, Goes::WithBatch, &Given::out},
    {"out-dir", 0, true, Goes::WithBatch, &Given::outDir},
    {"format", 0, true, Goes::WithBatch, &Given::format},
    {"size", 0, true, Goes::WithBatch, &Given::size},
    {"antialias", 0, false, Goes::WithBatch, &Given::antialias},
    {"jobs", 'j', true, Goes::WithBatch, &Given::jobs},
    {"frames", 0, true, Goes::WithBatch, &Given::frames},
    {"fps", 0, true, Goes::WithBatch, &Given::fps},
    {"headless", 0, false, Goes::WithoutBatch, &Given::headless},
    {"script", 0, true, Goes::WithoutBatch, &Given::script},
    {"screen", 0, true, Goes::WithoutBatch, &Given::screen},
    {"depth", 0, true, Goes::WithoutBatch, &Given::depth},
    {"no-splash", 0, false, Goes::WithoutBatch, &Given::noSplash},
    {"pixel-ratio", 0, true, Goes::WithoutBatch, &Given::ratio},
    {"seed", 0, true, Goes::Anywhere, &Given::seed},
    {"page", 0, true, Goes::WithBatch, nullptr, &app::PlotWords::page},
    {"landscape", 0, false, Goes::WithBatch, nullptr, &app::PlotWords::landscape},
    {"margin", 0, true, Goes::WithBatch, nullptr, &app::PlotWords::margin},
    {"pens", 0, true, Goes::WithBatch, nullptr, &app::PlotWords::pens},
    {"pen-up", 0, true, Goes::WithBatch, nullptr, &app::PlotWords::penUp},
    {"pen-down", 0, true, Goes::WithBatch, nullptr, &app::PlotWords::penDown},
    {"feed", 0, true, Goes::WithBatch, nullptr, &app::PlotWords::feed},
};

// Where the row's value goes.
std::optional<std::string>& Slot(Given& g, const OptionRow& row) {
  return row.sets ? g.*row.sets : g.plot.*row.setsPlot;
}

// Sorts the words into options and files: "--name", "--name=value" or
// "--name value"; "-h", "-j N", "-jN" or "-j=N"; after "--" every word is a
// file, and so is "-". An option given twice is refused, as is a value after
// a flag or none after an option that takes one.
bool SortWords(int argc, char** argv, Given& g, std::string& problem) {
  std::vector<std::string> unknown;
  bool optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (optionsEnd || word.size() < 2 || word[0] != '-') {
      g.files.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnd = true;
      continue;
    }
    const bool isLong = word[1] == '-';
    const size_t eq = word.find('=');
    const std::string name =
        isLong ? word.substr(2, eq == std::string::npos ? std::string::npos : eq - 2)
               : word.substr(1, 1);
    const OptionRow* row = nullptr;
    for (const OptionRow& r : kOptions)
      if (isLong ? r.name == name : r.letter == name[0]) row = &r;
    // A short flag with more letters, or an unknown word, is one unknown
    // option (it may be a file whose name starts with a dash).
    if (!row || (!isLong && !row->takesValue && word.size() > 2 && word[2] != '=')) {
      unknown.push_back(isLong || word.size() == 2 ? name : word);
      continue;
    }
    const std::string shown = (isLong ? "--" : "-") + name;
    std::optional<std::string> value;
    if (isLong && eq != std::string::npos) value = word.substr(eq + 1);
    if (!isLong && word.size() > 2) value = word.substr(word[2] == '=' ? 3 : 2);
    if (value && !row->takesValue) {
      problem = "Unexpected value after '" + shown + "'.";
      return false;
    }
    if (!value && row->takesValue) {
      if (i + 1 == argc) {
        problem = "Missing value after '" + shown + "'.";
        return false;
      }
      value = argv[++i];
    }
    if (Slot(g, *row)) {
      problem = shown + " is given more than once";
      return false;
    }
    Slot(g, *row) = value.value_or("");
  }
  if (unknown.size() == 1 && unknown[0].size() > 2 && unknown[0][1] != '-' && unknown[0][0] == '-')
    problem = "Unknown option '" + unknown[0] + "' (a file whose name starts with - goes after --).";
  else if (unknown.size() == 1)
    problem = "Unknown option '" + unknown[0] + "'.";
  else if (!unknown.empty())
    problem = "Unknown options: " + Joined(unknown) + ".";
  return unknown.empty();
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& problem) {
  Given g;
  if (!SortWords(argc, argv, g, problem)) return false;
  o.help = g.help.has_value();
  o.version = g.version.has_value();
  o.render = g.render.has_value();
  o.gallery = g.random.has_value();
  if (o.render && o.gallery) {
    problem = "--render and --random do not go together";
    return false;
  }
  const bool batch = o.render || o.gallery;
  const std::string batchName = o.gallery ? "--random" : "--render";
  // Each option goes with a batch or without it; none is ignored.
  for (const OptionRow& row : kOptions) {
    if (!Slot(g, row) || row.goes == Goes::Anywhere) continue;
    if (!batch && row.goes == Goes::WithBatch) {
      problem = "--" + std::string(row.name) + " needs --render or --random";
      return false;
    }
    if (batch && row.goes == Goes::WithoutBatch) {
      problem = batchName + " runs alone: not with --" + std::string(row.name);
      return false;
    }
  }
  const std::vector<std::string>& files = g.files;
  // Without a batch one file may follow the options: it is opened at start.
  if (!o.render && files.size() > 1) {
    problem = "unexpected argument " + files.at(1);
    return false;
  }
  if (g.jobs) {
    const auto jobs = PlainWhole(*g.jobs, 1, 1024);
    if (!jobs) {
      problem = "-j takes a number of workers from 1 to 1024";
      return false;
    }
    o.jobs = *jobs;
  }
  // The picture kind is a name's ending, which is taken in any case.
  std::string format = g.format.value_or("");
  for (char& c : format) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (!batch && !files.empty()) o.file = files.front();
  // What both kinds of batch take.
  app::BatchOptions b;
  b.outDir = g.outDir.value_or("");
  b.formatGiven = g.format.has_value();
  if (b.formatGiven) b.format = format;
  b.antialias = g.antialias.has_value();
  b.jobs = o.jobs;
  if (g.size && !ParseScreen(*g.size, b.width, b.height)) {
    problem = "--size takes WxH, each side from 1 to " + std::to_string(kMaxPictureSide);
    return false;
  }
  // The frames of animated pictures and their pace.
  using base::Animation;
  const auto frames =
      g.frames ? PlainWhole(*g.frames, 1, Animation::kMaxFrames) : Animation::kFrames;
  const auto fps = g.fps ? PlainWhole(*g.fps, 1, Animation::kMaxFps) : Animation::kFps;
  if (!frames || !fps) {
    problem = !frames ? "--frames takes a number from 1 to " + std::to_string(Animation::kMaxFrames)
                      : "--fps takes a number from 1 to " + std::to_string(Animation::kMaxFps);
    return false;
  }
  b.animation = {*frames, *fps};
  b.animationGiven = g.frames || g.fps;
  if (o.render) {
    app::RenderRequest& r = o.renderRequest;
    r.parms = files;
    r.out = g.out.value_or("");
    r.batch = b;
    problem = app::ReadPlotOptions(g.plot, r.plot);
    if (problem.empty()) problem = app::RenderRequestProblem(r);
    if (!problem.empty()) return false;
  }
  if (o.gallery) {
    app::GalleryRequest& gallery = o.galleryRequest;
    const auto count = PlainWhole(*g.random, 1, 100000);
    if (!count) {
      problem = "--random takes a number of pictures from 1 to 100000";
      return false;
    }
    gallery.count = *count;
    if (!files.empty()) gallery.parms = files.front();
    gallery.batch = b;
    if (b.outDir.empty() || g.out) {
      problem = "--random takes --out-dir, not --out";
      return false;
    }
    if (g.plot.page || g.plot.landscape || g.plot.margin || g.plot.pens || g.plot.penUp ||
        g.plot.penDown || g.plot.feed) {
      problem = "plots go with --render";
      return false;
    }
    base::PictureKind kind;
    if (!base::KindOfEnding(b.format, kind)) {
      problem = "--format takes png, bmp, svg, webp or gif";
      return false;
    }
    problem = app::BatchKindProblem(b, kind);
    if (!problem.empty()) return false;
  }
  o.headless = g.headless.has_value();
  o.splash = !g.noSplash;
  if (g.screen) {
    if (!ParseScreen(*g.screen, o.width, o.height)) {
      problem = "--screen takes WxH, each side from 1 to " + std::to_string(kMaxPictureSide);
      return false;
    }
    o.screenGiven = true;
  }
  if (g.ratio) {
    const auto v = base::ParseNumber(*g.ratio);
    if (!v || !(*v >= 1 && *v <= kMaxPixelRatio)) {
      problem = "--pixel-ratio takes a number from 1 to " + std::to_string(kMaxPixelRatio);
      return false;
    }
    o.pixelRatio = *v;
    o.ratioGiven = true;
  }
  if (g.depth) {
    if (*g.depth != "16" && *g.depth != "32") {
      problem = "--depth takes 16 or 32";
      return false;
    }
    o.depth = std::stoi(*g.depth);
    o.depthGiven = true;
  }
  if (g.seed) {
    const auto v = base::ParseNumber(*g.seed);
    if (!v) {
      problem = "--seed takes a number";
      return false;
    }
    o.seed = *v;
  }
  if (g.script) {
    o.script = *g.script;
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
  if (o.help) PrintUsage(std::cout);
  if (o.version && !o.help) std::cout << "trochela " << base::kVersion << "\n";
  // Output that is lost (a full disk) is a failure, told where it can be seen.
  if ((o.help || o.version) && !std::cout.flush()) {
    std::cerr << "trochela: cannot write to standard output: " << std::strerror(errno) << "\n";
    return 1;
  }
  if (o.help || o.version) return 0;
  if (o.render) {
    app::RenderRequest& r = o.renderRequest;
    r.batch.seed = o.seed;
    return app::RenderPictures(r);
  }
  if (o.gallery) {
    app::GalleryRequest& g = o.galleryRequest;
    g.batch.seed = o.seed;
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
  // The fields read and show numbers as the user writes them; pictures drawn
  // without a window (above) keep '.'.
  base::SetUserDecimalSeparator(forms::DesktopDecimalSeparator());

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

  std::unique_ptr<window::TrochelaMain> started;
  try {
    started = app::StartWindow(
        *services, o.seed,
        !o.headless && !scripted ? app::WindowShown::FullScreen : app::WindowShown::Window);
  } catch (const std::bad_alloc&) {
    std::cerr << "trochela: out of memory for the canvas of a screen of " << services->ScreenWidth()
              << "x" << services->ScreenHeight() << " pixels\n";
    return 2;
  }
  window::TrochelaMain& w = *started;
  // A window that could not be shown (told) serves a headless run only.
  if (!o.headless && !w.form.OnScreen()) return 2;
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
