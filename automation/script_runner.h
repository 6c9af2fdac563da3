#pragma once
// Running a script of user actions, one a line, delivered through the
// event queue as a user's clicks and keys would be, so that a line can arrive
// inside a running drawing's yield. Used by tests and headless runs.
#include <memory>
#include <string>
#include <vector>

#include "automation/script_reader.h"

namespace base {
struct Image;
}

namespace forms {
class ScriptedServices;
}

namespace window {
struct TrochelaMain;
}

namespace automation {

using window::TrochelaMain;

class ScriptRunner {
 public:
  // `folder` is the script's own folder: file names in `expect canvas` lines
  // are taken from there. Pictures written on a failure go to the folder that
  // is current when the runner is made.
  ScriptRunner(TrochelaMain& w, forms::ScriptedServices& services, std::vector<ScriptLine> lines,
               const std::string& folder = "");
  ~ScriptRunner();
  // Queues the first line; at the end of the script, once no handler runs,
  // the program ends: 0 when every expectation held, 1 otherwise.
  void Start();

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// Compares the canvas with a picture, pixel for pixel (colour only). Empty
// when they agree, else what differs: the size, or the number of pixels and
// the first of them.
std::string CanvasDifference(const base::Image& shown, const base::Image& expected);

// A field of the main window as automation prints it ("WheelSize 3",
// "StopRequested", ...); false for a name it does not know.
bool FieldText(TrochelaMain& w, const std::string& name, int index, bool indexed, std::string& out);
// What the services of a headless run was given, as automation prints it:
// "Printed" (pictures painted on the printer), "Printed K" (left, top, width,
// height in inches, copies, orientation of the K-th; "expect Printed N" with
// nothing after N is the count), "Clipboard" ("WxH" or
// "empty"), "Messages" (how many were shown), "Message K" (the K-th), and
// files: "lines PATH" (their number), "line PATH K" (the K-th, a CR at its
// end shown as \r). `used` counts the words of the target.
// False for a target it does not know; false with `problem` for one it knows
// but cannot read ("Printed 5" when fewer were printed).
bool ServicesText(forms::ScriptedServices& services, const std::vector<std::string>& words,
                  size_t first, std::string& label, std::string& out, size_t& used,
                  std::string& problem);
// Script lines that prepare files: "writeline PATH TEXT" adds TEXT and CR LF
// to the file (false when it cannot, the whole line written and closed),
// "removefile PATH" removes a file, not a folder, and is content when there is
// none; it returns what went wrong, or nothing.
bool AppendLine(const std::string& path, const std::string& text);
std::string RemoveFile(const std::string& path);

// How long an "until" line waits for its value, in seconds of the scripted
// clock, before it fails.
inline constexpr int kUntilSeconds = 3600;

}  // namespace automation
