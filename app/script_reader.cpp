#include "app/script_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <sstream>

#include "base/numbers.h"

namespace app {
namespace {

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// What is wrong with one line, or an empty text when it is a line the runner
// understands. `args` are the words after the verb.
std::string Check(const std::string& verb, const std::vector<std::string>& args) {
  const size_t n = args.size();
  auto whole = [&](size_t i, long long lo, long long hi, const char* what) -> std::string {
    if (WholeNumber(args[i], lo, hi)) return {};
    return std::string(what) + " must be a whole number from " + std::to_string(lo) + " to " +
           std::to_string(hi) + ", not " + args[i];
  };
  auto coordinate = [&](size_t i) -> std::string {
    if (Coordinate(args[i])) return {};
    return "a coordinate must be a finite number, not " + args[i];
  };
  auto count = [&](size_t lo, size_t hi) -> std::string {
    if (n >= lo && n <= hi) return {};
    return "takes " +
           (lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi)) +
           " words after " + verb + ", not " + std::to_string(n);
  };
  std::string e;
  if (verb == "click" || verb == "focus") return count(1, 1);
  if (verb == "idle") return count(0, 0);
  if (verb == "type" || verb == "edit" || verb == "savecanvas" || verb == "screenshot")
    return count(1, std::numeric_limits<size_t>::max());
  if (verb == "mousedown" || verb == "mouseup") {
    if (!(e = count(3, 5)).empty()) return e;
    if (!(e = whole(1, 0, kMaxButton, "a button")).empty()) return e;
    if (!(e = whole(2, 0, kMaxButton, "a shift state")).empty()) return e;
    for (size_t i = 3; i < n && e.empty(); ++i) e = coordinate(i);
    return e;
  }
  if (verb == "mousemove") {
    if (!(e = count(2, 3)).empty()) return e;
    for (size_t i = 1; i < n && e.empty(); ++i) e = coordinate(i);
    return e;
  }
  if (verb == "key") {
    if (!(e = count(2, 2)).empty()) return e;
    return whole(1, 0, kMaxKeyCode, "a key code");
  }
  if (verb == "drag" || verb == "scrollto") {
    if (!(e = verb == "drag" ? count(2, std::numeric_limits<size_t>::max()) : count(2, 2)).empty())
      return e;
    for (size_t i = 1; i < n && e.empty(); ++i)
      e = whole(i, kMinBarValue, kMaxBarValue, "a scroll bar value");
    return e;
  }
  if (verb == "dialog") {
    if (n == 0) return "dialog takes open, save, savetype, color, print or cancel";
    const std::string& kind = args[0];
    if (kind == "open" || kind == "save")
      return n >= 2 ? std::string() : "dialog " + kind + " takes a path";
    if (kind == "savetype") {
      if (n < 3) return "dialog savetype takes a file type and a path";
      return whole(1, 1, 3, "a file type (1 bitmap, 2 PNG, 3 SVG)");
    }
    if (kind == "cancel") return count(1, 1);
    if (kind == "color") {
      if (!(e = count(4, 4)).empty()) return e;
      for (size_t i = 1; i < n && e.empty(); ++i)
        e = whole(i, 0, kMaxComponent, "a colour component");
      return e;
    }
    if (kind == "print") {
      if (!(e = count(3, 3)).empty()) return e;
      if (!(e = whole(1, 1, kMaxCopies, "the number of copies")).empty()) return e;
      return whole(2, 1, 2, "the orientation (1 portrait, 2 landscape)");
    }
    return "dialog takes open, save, savetype, color, print or cancel, not " + kind;
  }
  if (verb == "writeline") return count(1, std::numeric_limits<size_t>::max());
  if (verb == "removefile") return count(1, 1);
  if (verb == "print" || verb == "expect" || verb == "until" || verb == "pixel") {
    // pixel X Y; print TARGET; expect TARGET VALUE. A per-wheel table takes a
    // wheel number after its name; a pixel's coordinates are read when the
    // line runs.
    if (verb == "pixel") return count(2, 2);
    if (n == 0) return verb + " takes what to read";
    size_t used = 1;
    if (args[0] == "pixel") {
      used = 3;
    } else if (args[0] == "Message" || args[0] == "lines") {
      used = 2;  // Message K, lines PATH
    } else if (args[0] == "line") {
      used = 3;  // line PATH K
    } else if (args[0] == "Printed" && verb == "print") {
      used = n;  // Printed, or Printed K
      if (n > 2) return "print Printed takes at most a picture number";
    } else if (IsArrayField(args[0])) {
      if (n < 2) return args[0] + " takes a wheel number";
      if (!(e = whole(1, 1, kMaxWheel, "a wheel number")).empty()) return e;
      used = 2;
    }
    if (n < used) return args[0] + " takes two coordinates";
    if (verb == "print") return n == used ? std::string() : "print reads one thing";
    return n > used ? std::string() : verb + " takes the value it expects";
  }
  return "no such action: " + verb;
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

bool IsArrayField(const std::string& name) {
  static const std::set<std::string> tables = {"WheelSize", "WheelRatio", "RandomSizeFlag",
                                               "RandomRatioFlag", "WheelAngle"};
  return tables.count(name) != 0;
}

bool ParseScript(const std::string& text, std::vector<ScriptLine>& lines, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    ScriptLine line{number, Words(raw), AfterFirstWord(raw)};
    if (line.words.empty() || line.words[0][0] == '#') continue;
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    const std::string problem = Check(line.words[0], args);
    if (!problem.empty()) {
      error = "line " + std::to_string(number) + ": " + problem + ": " + raw;
      return false;
    }
    lines.push_back(std::move(line));
  }
  return true;
}

}  // namespace app
