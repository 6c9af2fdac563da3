#include "automation/script_reader.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <limits>
#include <sstream>

#include "base/numbers.h"
#include "base/plot_order.h"
#include "base/plot_page.h"

namespace automation {
namespace {

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// The ranges of a script's whole numbers.
constexpr long long kMaxButton = 7;  // mouse buttons and shift state: bit sets of 3
constexpr long long kMaxKeyCode = 65535;
constexpr long long kMinBarValue = -32768, kMaxBarValue = 32767;
constexpr long long kMaxComponent = 255;
constexpr long long kMaxCopies = 9999;  // a print dialog's copies, from 1

// The range and name of a whole number's kind; none for other kinds.
struct Range {
  long long lo, hi;
  const char* what;
};
std::optional<Range> RangeOf(Arg kind) {
  switch (kind) {
    case Arg::Button: return Range{0, kMaxButton, "a button"};
    case Arg::Shift: return Range{0, kMaxButton, "a shift state"};
    case Arg::Key: return Range{0, kMaxKeyCode, "a key code"};
    case Arg::BarValue:
    case Arg::BarValues: return Range{kMinBarValue, kMaxBarValue, "a scroll bar value"};
    case Arg::Component: return Range{0, kMaxComponent, "a colour component"};
    case Arg::Copies: return Range{1, kMaxCopies, "the number of copies"};
    case Arg::Orientation: return Range{1, 2, "the orientation (1 portrait, 2 landscape)"};
    case Arg::FileType:
      return Range{1, 9,
                   "a file type (1 bitmap, 2 PNG, 3 SVG, 4 plotter SVG, 5 HPGL, 6 G-code, 7 sand "
                   "table, 8 animated WebP, 9 animated GIF)"};
    case Arg::Margin: return Range{0, static_cast<long long>(base::kMostMargin), "a margin in millimetres"};
    case Arg::Pens: return Range{0, base::kMostPens, "a number of pens"};
    default: return std::nullopt;
  }
}

// Kinds that take every word to the end of the line.
bool TakesTheRest(Arg kind) {
  return kind == Arg::Text || kind == Arg::Rest || kind == Arg::BarValues ||
         kind == Arg::Target || kind == Arg::Expected;
}

// Every action a script may use.
const Verb kVerbs[] = {
    {"click", "", {Arg::Word}, 1, &VerbRunner::Click},
    {"mousedown", "", {Arg::Word, Arg::Button, Arg::Shift, Arg::Coordinate, Arg::Coordinate}, 3,
     &VerbRunner::MouseDown},
    {"mouseup", "", {Arg::Word, Arg::Button, Arg::Shift, Arg::Coordinate, Arg::Coordinate}, 3,
     &VerbRunner::MouseUp},
    {"mousemove", "", {Arg::Word, Arg::Coordinate, Arg::Coordinate}, 2, &VerbRunner::MouseMove},
    {"key", "", {Arg::Word, Arg::Key}, 2, &VerbRunner::Key},
    {"focus", "", {Arg::Word}, 1, &VerbRunner::Focus},
    {"type", "", {Arg::Word, Arg::Text}, 1, &VerbRunner::Type},
    {"edit", "", {Arg::Word, Arg::Text}, 1, &VerbRunner::Edit},
    {"drag", "", {Arg::Word, Arg::BarValues}, 2, &VerbRunner::Drag},
    {"scrollto", "", {Arg::Word, Arg::BarValue}, 2, &VerbRunner::ScrollTo},
    {"dialog", "open", {Arg::Rest}, 1, &VerbRunner::Dialog},
    {"dialog", "save", {Arg::Rest}, 1, &VerbRunner::Dialog},
    {"dialog", "savetype", {Arg::FileType, Arg::Rest}, 2, &VerbRunner::Dialog},
    {"dialog", "color", {Arg::Component, Arg::Component, Arg::Component}, 3, &VerbRunner::Dialog},
    {"dialog", "print", {Arg::Copies, Arg::Orientation}, 2, &VerbRunner::Dialog},
    {"dialog", "plot", {Arg::Page, Arg::Orientation, Arg::Margin, Arg::Pens}, 4, &VerbRunner::Dialog},
    {"dialog", "cancel", {}, 0, &VerbRunner::Dialog},
    {"idle", "", {}, 0, nullptr, Wait::Idle},
    {"until", "", {Arg::Expected}, 1, nullptr, Wait::Until},
    {"print", "", {Arg::Target}, 1, &VerbRunner::Print},
    {"pixel", "", {Arg::Word, Arg::Word}, 2, &VerbRunner::Pixel},
    {"expect", "canvas", {Arg::Rest}, 1, &VerbRunner::ExpectCanvas},
    {"expect", "", {Arg::Expected}, 1, &VerbRunner::Expect},
    {"savecanvas", "", {Arg::Rest}, 1, &VerbRunner::SaveCanvas},
    {"screenshot", "", {Arg::Rest}, 1, &VerbRunner::Screenshot},
    {"writeline", "", {Arg::Word, Arg::Text}, 1, &VerbRunner::WriteLine},
    {"removefile", "", {Arg::Word}, 1, &VerbRunner::RemoveFile},
};

// The action a line names, or what is wrong with its first words.
const Verb* FindVerb(const std::vector<std::string>& words, std::string& error) {
  const std::string& name = words[0];
  const std::string kind = words.size() > 1 ? words[1] : "";
  const Verb* plain = nullptr;
  std::string kinds;
  for (const Verb& v : kVerbs) {
    if (v.name != name) continue;
    if (v.kind.empty()) {
      plain = &v;
      continue;
    }
    if (v.kind == kind) return &v;
    kinds += (kinds.empty() ? "" : ", ") + std::string(v.kind);
  }
  if (plain) return plain;
  if (kinds.empty())
    error = "no such action: " + name;
  else
    error = name + " takes " + kinds + (kind.empty() ? "" : ", not " + kind);
  return nullptr;
}

// What is wrong with the target of a print, expect or until line: the words
// from `at`, a per-wheel table with its wheel number, then the value expected.
std::string CheckTarget(ScriptLine& line, size_t at, bool expected) {
  const auto& w = line.words;
  const size_t n = w.size() - at;
  const std::string& verb = w[0];
  if (n == 0) return verb + " takes what to read";
  const std::string& target = w[at];
  size_t used = 1;
  if (target == "pixel" || target == "line") {
    used = 3;  // pixel X Y (read when the line runs), line PATH K
  } else if (target == "Message" || target == "lines") {
    used = 2;  // Message K, lines PATH
  } else if (target == "Printed" && !expected) {
    used = n;  // Printed, or Printed K
    if (n > 2) return "print Printed takes at most a picture number";
  } else if (FindWheelField(target)) {
    if (n < 2) return target + " takes a wheel number";
    const auto wheel = WholeNumber(w[at + 1], 1, base::kWheels);
    if (!wheel)
      return "a wheel number must be a whole number from 1 to " + std::to_string(base::kWheels) +
             ", not " + w[at + 1];
    line.values[at + 1] = static_cast<double>(*wheel);
    used = 2;
  }
  if (n < used) return target + " takes " + std::to_string(used - 1) + " more words";
  if (!expected) return n == used ? std::string() : "print reads one thing";
  return n > used ? std::string() : verb + " takes the value it expects";
}

// What is wrong with one line, or an empty text when the line is one that its
// action takes; fills the line's action and numbers.
std::string Check(ScriptLine& line) {
  std::string error;
  line.verb = FindVerb(line.words, error);
  if (!line.verb) return error;
  const Verb& v = *line.verb;
  line.values.assign(line.words.size(), 0);
  const size_t at = v.kind.empty() ? 1 : 2;  // the first word after the name and kind
  const size_t n = line.words.size() - at;
  size_t most = 0;
  while (most < v.args.size() && v.args[most] != Arg::None) ++most;
  const bool open = most > 0 && TakesTheRest(v.args[most - 1]);
  const size_t least = v.required;
  if (n < least || (!open && n > most)) {
    std::string e = "takes " + std::to_string(least);
    if (open)
      e += " or more";
    else if (most > least)
      e += " to " + std::to_string(most);
    e += " words after ";
    e += v.name;
    if (at == 2) (e += " ") += v.kind;
    return e + ", not " + std::to_string(n);
  }
  for (size_t i = 0; i < n; ++i) {
    const Arg kind = v.args[std::min(i, most - 1)];
    const std::string& word = line.words[at + i];
    if (kind == Arg::Target || kind == Arg::Expected) return CheckTarget(line, at + i, kind == Arg::Expected);
    if (kind == Arg::Text || kind == Arg::Rest) break;
    if (const auto range = RangeOf(kind)) {
      const auto value = WholeNumber(word, range->lo, range->hi);
      if (!value)
        return std::string(range->what) + " must be a whole number from " +
               std::to_string(range->lo) + " to " + std::to_string(range->hi) + ", not " + word;
      line.values[at + i] = static_cast<double>(*value);
    } else if (kind == Arg::Page) {
      if (!base::PageNamed(word)) return "a page is A5, A4, A3, A2, A1, letter, legal, tabloid or WxHmm, not " + word;
    } else if (kind == Arg::Coordinate) {
      const auto value = Coordinate(word);
      if (!value) return "a coordinate must be a finite number, not " + word;
      line.values[at + i] = *value;
    }
  }
  return {};
}

}  // namespace

std::string AfterFirstWord(const std::string& line) {
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return {};
  const size_t end = line.find_first_of(" \t", start);
  return end == std::string::npos ? std::string() : line.substr(end + 1);
}

std::optional<long long> WholeNumber(std::string_view word, long long lo, long long hi) {
  const bool negative = !word.empty() && word[0] == '-';
  std::string_view digits = word.substr(negative ? 1 : 0);
  if (digits.empty()) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  while (digits.size() > 1 && digits[0] == '0') digits.remove_prefix(1);
  if (digits.size() > 18) return std::nullopt;  // beyond every range a script uses
  long long v = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (negative) v = -v;
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

std::optional<float> Coordinate(std::string_view word) {
  const auto v = base::ParseNumber(word);
  if (!v || !std::isfinite(*v) || std::fabs(*v) > std::numeric_limits<float>::max())
    return std::nullopt;
  return static_cast<float>(*v);
}

const WheelField* FindWheelField(std::string_view name) {
  static const WheelField fields[] = {
      {"WheelSize", [](const base::WheelTable& t, int k) { return base::FormatNumber(t.WheelSize[k]); }},
      {"WheelRatio", [](const base::WheelTable& t, int k) { return base::FormatNumber(t.WheelRatio[k]); }},
      {"RandomSizeFlag", [](const base::WheelTable& t, int k) { return std::to_string(t.RandomSizeFlag[k]); }},
      {"RandomRatioFlag", [](const base::WheelTable& t, int k) { return std::to_string(t.RandomRatioFlag[k]); }},
      {"WheelAngle", [](const base::WheelTable& t, int k) { return base::FormatNumber(t.WheelAngle[k]); }},
  };
  for (const WheelField& f : fields)
    if (f.name == name) return &f;
  return nullptr;
}

bool ParseScript(const std::string& text, std::vector<ScriptLine>& lines, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    ScriptLine line;
    line.number = number;
    line.words = Words(raw);
    line.rest = AfterFirstWord(raw);
    if (line.words.empty() || line.words[0][0] == '#') continue;
    const std::string problem = Check(line);
    if (!problem.empty()) {
      error = "line " + std::to_string(number) + ": " + problem + ": " + raw;
      return false;
    }
    lines.push_back(std::move(line));
  }
  return true;
}

}  // namespace automation
