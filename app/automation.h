#pragma once
// Automation: a script of user actions, one a line, delivered through the
// event queue as a user's clicks and keys would be, so that a line can arrive
// inside a running drawing's yield. Used by tests and headless runs.
#include <memory>
#include <string>
#include <vector>

namespace base {
struct Image;
}

namespace forms {
class ScriptedServices;
}

namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

struct ScriptLine {
  int number = 0;  // line number in the file, from 1
  std::vector<std::string> words;
  std::string rest;  // the text after the first word, as written
};

// Reads a script; a line it cannot understand is reported in `error`.
bool ParseScript(const std::string& text, std::vector<ScriptLine>& lines, std::string& error);

class ScriptRunner {
 public:
  // `folder` is the script's own folder: file names in `expect canvas` lines
  // are taken from there. Pictures written on a failure go to the folder that
  // is current when the runner is made.
  ScriptRunner(TrochelaMain& w, forms::ScriptedServices& machine, std::vector<ScriptLine> lines,
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
// Whether a field is a per-wheel table that takes a wheel number.
bool IsArrayField(const std::string& name);

}  // namespace app
