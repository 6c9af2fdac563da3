#pragma once
// Where every notification of the main window meets its handler.
namespace window {
struct TrochelaMain;
}

namespace app {

// Assigns every notification of the window to its handler, one line each.
void WireHandlers(window::TrochelaMain& w);

}  // namespace app
