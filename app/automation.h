#pragma once
// Automation: a script of user actions, one a line, delivered through the
// event queue as a user's clicks and keys would be, so that a line can arrive
// inside a running drawing's yield. Used by tests and headless runs.
#include <memory>
#include <string>
#include <vector>

#include "app/script_reader.h"

namespace forms {
class ScriptedServices;
}

namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

class ScriptRunner {
 public:
  ScriptRunner(TrochelaMain& w, forms::ScriptedServices& machine, std::vector<ScriptLine> lines);
  ~ScriptRunner();
  // Queues the first line; at the end of the script, once no handler runs,
  // the program ends: 0 when every expectation held, 1 otherwise.
  void Start();

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// A field of the main window as automation prints it ("WheelSize 3",
// "StopRequested", ...); false for a name it does not know.
bool FieldText(TrochelaMain& w, const std::string& name, int index, bool indexed, std::string& out);

}  // namespace app
