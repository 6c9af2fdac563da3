// What a headless run's services was given (printer, clipboard, messages) and
// the files scripts prepare and read, for automation's print and expect.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "automation/script_runner.h"
#include "base/numbers.h"
#include "forms/scripted_services.h"

namespace automation {
namespace {

// A whole number word in 1..limit, or 0.
size_t Index(const std::vector<std::string>& words, size_t at, size_t limit) {
  if (at >= words.size() || limit < 1) return 0;
  const auto v = WholeNumber(words[at], 1, static_cast<long long>(limit));
  return v ? static_cast<size_t>(*v) : 0;
}

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

}  // namespace

bool ServicesText(forms::ScriptedServices& services, const std::vector<std::string>& words,
                 size_t first, std::string& label, std::string& out, size_t& used) {
  const std::string& target = words[first];
  label = target;
  used = 1;
  if (target == "Printed") {
    const auto& printed = services.Printed();
    // "Printed K" when a number follows; "expect Printed N" is the count.
    const bool expecting = words[0] == "expect";
    const size_t k = Index(words, first + 1, printed.size());
    if (k && (!expecting || words.size() > first + 2)) {
      const auto& p = printed[k - 1];
      used = 2;
      label += " " + words[first + 1];
      out = base::FormatNumber(p.left) + " " + base::FormatNumber(p.top) + " " +
            base::FormatNumber(p.width) + " " + base::FormatNumber(p.height) + " " +
            std::to_string(p.document.copies) + " " + std::to_string(p.document.orientation);
    } else {
      out = std::to_string(printed.size());
    }
    return true;
  }
  if (target == "Clipboard") {
    const auto picture = services.ClipboardPicture();
    out =
        picture ? std::to_string(picture->width) + "x" + std::to_string(picture->height) : "empty";
    return true;
  }
  if (target == "Messages") {
    out = std::to_string(services.Messages().size());
    return true;
  }
  if (target == "Message") {
    const size_t k = Index(words, first + 1, services.Messages().size());
    if (!k) return false;
    used = 2;
    label += " " + words[first + 1];
    out = services.Messages()[k - 1];
    return true;
  }
  if ((target == "lines" || target == "line") && first + 1 < words.size()) {
    const auto lines = FileLines(words[first + 1]);
    used = 2;
    label += " " + words[first + 1];
    if (target == "lines") {
      out = std::to_string(lines.size());
      return true;
    }
    const size_t k = Index(words, first + 2, lines.size());
    used = 3;
    label += first + 2 < words.size() ? " " + words[first + 2] : "";
    if (!k) {
      out = "(no such line)";
      return true;
    }
    out = lines[k - 1];
    if (!out.empty() && out.back() == '\r') out = out.substr(0, out.size() - 1) + "\\r";
    return true;
  }
  return false;
}

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

bool AppendLine(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << text << "\r\n";
  return static_cast<bool>(out);
}

}  // namespace automation
