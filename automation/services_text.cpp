// What a headless run's services was given (printer, clipboard, messages) and
// the files scripts prepare and read, for automation's print and expect.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "automation/script_runner.h"
#include "base/file_io.h"
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

// The file's lines, split at LF; none when it cannot be read (a FIFO, a
// folder and a file over 64 MiB included).
std::vector<std::string> FileLines(const std::string& path) {
  std::string text, reason;
  std::vector<std::string> lines;
  if (!base::ReadWholeFile(path, size_t{64} << 20, text, reason)) return lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

}  // namespace

bool ServicesText(forms::ScriptedServices& services, const std::vector<std::string>& words,
                  size_t first, std::string& label, std::string& out, size_t& used,
                  std::string& problem) {
  const std::string& target = words[first];
  label = target;
  used = 1;
  if (target == "Printed") {
    const auto& printed = services.Printed();
    // "Printed K" when a number follows; "expect Printed N" is the count.
    const bool expecting = words[0] == "expect";
    const bool numbered = words.size() > first + (expecting ? 2 : 1);
    const size_t k = Index(words, first + 1, printed.size());
    if (numbered && !k) {
      problem = "no picture " + words[first + 1] + " was printed (" +
                std::to_string(printed.size()) + " were)";
      return false;
    }
    if (numbered) {
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
    if (!k) {
      problem = "no message " + (first + 1 < words.size() ? words[first + 1] : "") + " was shown (" +
                std::to_string(services.Messages().size()) + " were)";
      return false;
    }
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

std::string RemoveFile(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return {};  // nothing to remove
  if (S_ISDIR(st.st_mode)) return "it is a folder";
  return ::unlink(path.c_str()) == 0 ? std::string() : std::strerror(errno);
}

bool AppendLine(const std::string& path, const std::string& text) {
  // Opened without waiting for a reader, so that a FIFO is refused, not
  // waited on; only a regular file takes the line.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const std::string bytes = text + "\r\n";
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace automation
