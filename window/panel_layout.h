#pragma once
// The main window's panel as designed: captions, start texts and values,
// tooltips, fonts, positions and sizes of every control, and the window's
// caption. Run once, from the main window's constructor, before any handler
// is wired and before the window's load step.

namespace window {

struct TrochelaMain;

// Gives every control of the window its design-time state. The program starts
// in single-wheel mode, so the multi-wheel controls end up hidden.
void BuildPanel(TrochelaMain& w);

}  // namespace window
