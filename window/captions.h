#pragma once
// State that the panel shows in captions: kept in the window and its
// settings, written with its caption in one place each, never read back.
#include <string>

namespace window {

struct TrochelaMain;

// The wheel the editor shows.
int ShownWheel(const TrochelaMain& w);
// Shows wheel n in the editor's caption, "Wheel #n".
void SetShownWheel(TrochelaMain& w, int n);

// The wheel count as a whole number ("3" in single-wheel mode).
int WheelLimit(const TrochelaMain& w);
// Sets the wheel count as the panel shows it (any text that reads as a
// number; a parameter file may write "8.0").
void SetWheelLimit(TrochelaMain& w, std::string text);

}  // namespace window
