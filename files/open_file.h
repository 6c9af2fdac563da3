#pragma once
// A file given to the program from outside its dialogs: named on the command
// line or dropped on the window.
#include <string>

namespace window {
struct TrochelaMain;
}

namespace files {

// Loads FILE as the button for its kind would after its dialog: a name ending
// in ".tra" (any case) as Load Parms, anything else as Load Image. A failure
// gives the button's message. Ignored while that button is locked (during a
// drawing).
void OpenGivenFile(window::TrochelaMain& w, const std::string& path);

}  // namespace files
