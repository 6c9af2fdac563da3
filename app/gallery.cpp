#include "app/gallery.h"

#include <charconv>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <system_error>
#include <vector>

#include "app/batch.h"
#include "files/pen_colour_section.h"
#include "app/render.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "base/rnd.h"
#include "base/settings_in_pictures.h"
#include "files/parms_check.h"
#include "files/parms_settings.h"
#include "model/random_settings.h"

namespace app {
namespace {

// What Random chose for one picture: the parameter file's settings and,
// after them, the pen colour (files/pen_colour_section.h).
struct Choice {
  std::string settings;
};

// Random's choices for every picture, in order, as the button makes them one
// after the other in a program just started (with the parameter file's
// values applied when there is one), with the boxes it starts with.
bool Choose(const GalleryRequest& r, double seed, const files::ParmsValues* values,
            std::vector<Choice>& out, std::string& reason) {
  model::StartedProgram p = model::StartProgram(r.batch.width, r.batch.height);
  if (values) files::ApplyParms(p, *values);
  base::Rnd rnd;
  rnd.Randomize(seed);
  int16_t loopIndex = 0;
  const model::RandomRules rules;
  for (int k = 0; k < r.count; ++k) {
    model::PickRandomSettings(p.settings, p.bars, rnd, rules, loopIndex);
    Choice c;
    if (!files::ParmsText(p.settings, c.settings, reason)) return false;
    c.settings += files::PenColourSection(p.settings.pen);
    out.push_back(std::move(c));
  }
  return true;
}

std::string Name(const GalleryRequest& r, int k) {
  std::string digits = std::to_string(k + 1);
  const size_t width = std::max<size_t>(3, std::to_string(r.count).size());
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return "random-" + digits;
}

// The shortest text that reads back as the same number.
std::string NumberText(double v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  return std::string(text, end);
}

std::string Html(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

// A word as a POSIX shell reads it back: in single quotes unless it is made
// only of characters a shell takes as they are.
std::string ShellWord(const std::string& word) {
  const bool plain = !word.empty() && word.find_first_not_of(
                                          "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          "0123456789_-+=./:,@%") == std::string::npos;
  if (plain) return word;
  std::string out = "'";
  for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// "1 random picture", "3 random pictures".
std::string Count(int n) {
  return std::to_string(n) + (n == 1 ? " random picture" : " random pictures");
}

// The page of the pictures written (`written[k]` for picture k).
std::string Index(const GalleryRequest& r, double seed, const std::vector<char>& written) {
  std::string command = "trochela --random " + std::to_string(r.count);
  if (!r.parms.empty()) command.append(" ").append(ShellWord(r.parms));
  command += " --seed " + NumberText(seed) + " --size " + std::to_string(r.batch.width) + "x" +
             std::to_string(r.batch.height) + " --format " + r.batch.format;
  if (r.batch.antialias) command += " --antialias";
  if (r.batch.animationGiven)
    command += " --frames " + std::to_string(r.batch.animation.frames) + " --fps " +
               std::to_string(r.batch.animation.fps);
  // The folder is left open: the gallery is the same wherever it is made.
  command += " --out-dir DIR";
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Trochela: " +
      Count(r.count) +
      "</title>\n"
      "<style>\nbody { font-family: sans-serif; margin: 1em; }\n"
      ".grid { display: grid; grid-template-columns: repeat(auto-fill, minmax(240px, 1fr)); "
      "gap: 1em; }\nfigure { margin: 0; }\n"
      "img { width: 100%; height: auto; border: 1px solid #ccc; }\n"
      "figcaption { font-size: small; }\n</style>\n</head>\n<body>\n"
      "<h1>" +
      Count(r.count) +
      "</h1>\n"
      "<p>Seed " +
      NumberText(seed) + ": <code>" + Html(command) +
      "</code> draws this gallery again. Each picture's settings file draws it again with "
      "<code>trochela --render FILE.tra</code>; Load Parms takes its settings, the window "
      "keeps its own pen colour.</p>\n<div class=\"grid\">\n";
  for (int k = 0; k < r.count; ++k) {
    if (!written[k]) continue;
    const std::string name = Name(r, k), picture = name + "." + r.batch.format;
    page += "<figure><a href=\"" + picture + "\"><img src=\"" + picture + "\" alt=\"" + name +
            "\" loading=\"lazy\"></a><figcaption><a href=\"" + picture + "\">" + picture +
            "</a> &middot; <a href=\"" + name + ".tra\">" + name +
            ".tra</a></figcaption></figure>\n";
  }
  return page + "</div>\n</body>\n</html>\n";
}

}  // namespace

bool GallerySettings(const GalleryRequest& r, double seed, std::vector<std::string>& out,
                     std::string& reason) {
  std::vector<Choice> choices;
  if (!Choose(r, seed, nullptr, choices, reason)) return false;
  for (Choice& c : choices) out.push_back(std::move(c.settings));
  return true;
}

int MakeGallery(const GalleryRequest& r) {
  // The seed is chosen once, here, so that every worker makes the same
  // choices and index.html can tell it.
  const double seed = r.batch.seed.value_or(static_cast<double>(std::time(nullptr) % 1000000));
  std::string reason, text;
  files::ParmsValues values;
  if (!r.parms.empty() &&
      (!base::ReadSettingsText(r.parms, files::kMaxProfileBytes, text, reason) ||
       !files::ReadParms(base::Profile(text), values, reason))) {
    std::cerr << "trochela: cannot load " << r.parms << ": " << reason << "\n";
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(r.batch.outDir, error);
  if (error) {
    std::cerr << "trochela: cannot make the folder " << r.batch.outDir << ": " << error.message() << "\n";
    return 2;
  }
  const std::filesystem::path dir(r.batch.outDir);
  // Random's choices for every picture, made once, in order; then each
  // picture is drawn from its settings by a worker.
  std::vector<Choice> choices;
  if (!Choose(r, seed, r.parms.empty() ? nullptr : &values, choices, reason)) {
    std::cerr << "trochela: cannot choose the pictures: " << reason << "\n";
    return 2;
  }
  std::vector<char> written(r.count, 0);  // one writer each
  const auto job = [&](int k, std::string& said) {
    const std::string name = Name(r, k), picture = (dir / (name + "." + r.batch.format)).string();
    said.append("[").append(std::to_string(k + 1)).append("/");
    said.append(std::to_string(r.count)).append("] ").append(picture).append("\n");
    std::string why;
    const Choice& c = choices[k];
    const std::string tra = (dir / (name + ".tra")).string();
    // The picture first, then its settings; a pair whose second half cannot
    // be written loses its first, so that no picture stands beside another
    // picture's settings.
    files::ParmsValues picked;
    if (!files::ReadParms(base::Profile(c.settings), picked, why) ||
        !RenderSettings(c.settings, picked, r.batch.width, r.batch.height, r.batch.antialias,
                        picture, false, why, base::AtLink::Refuse, r.batch.animation)) {
      said += "trochela: " + why + "\n";
      return false;
    }
    if (!base::WriteFileReplacing(tra, c.settings, why, base::AtLink::Refuse)) {
      said += "trochela: cannot write " + tra + ": " + why + "\n";
      std::error_code ignored;
      std::filesystem::remove(picture, ignored);
      return false;
    }
    written[k] = 1;
    return true;
  };
  const int jobs = r.batch.jobs > 0 ? r.batch.jobs : DefaultJobs();
  const bool ok = RunJobs(r.count, jobs, job);
  const std::string index = (dir / "index.html").string();
  if (!base::WriteFileReplacing(index, Index(r, seed, written), reason, base::AtLink::Refuse)) {
    std::cerr << "trochela: cannot write " << index << ": " << reason << "\n";
    return 2;
  }
  return ok ? 0 : 2;
}

}  // namespace app
