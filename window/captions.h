#pragma once
// State that the panel shows in captions: kept in the window and its
// settings, written with its caption in one place each, never read back.
#include <string>

namespace window {

struct TrochelaMain;

// The wheel the editor shows (TrochelaMain::ShownWheelNumber) becomes the
// current wheel, as handlers of the editor take it.
int TakeShownWheel(TrochelaMain& w);
// Shows wheel n in the editor's caption, "Wheel #n".
void SetShownWheel(TrochelaMain& w, int n);

// Sets the wheel count as the panel shows it (any text that reads as a
// number; a parameter file may write "8.0").
void SetWheelLimit(TrochelaMain& w, std::string text);

}  // namespace window
