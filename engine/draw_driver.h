#pragma once
// The draw command and the six routines, which draw the window's settings
// (drawing/draw_picture.h) through a host over its controls: the canvas
// takes the lines, the panel is locked while they are drawn and shows what
// changes at every yield.
namespace window {
struct TrochelaMain;
}

namespace engine {

// Keeps the picture for undo, prepares the canvas for a redraw from a scroll
// bar, and runs the routine for the mode and the outline.
void CmdDraw_Click(window::TrochelaMain& w);

// Runs the routine for the mode (ChkMulti) and the outline (ChkSquare,
// ChkTriangle, else the circle): the draw command and Random. Each of the
// six routines yields to the event queue every 100 steps, so any handler of
// the window, a nested drawing included, may run inside.
void DrawChosenRoutine(window::TrochelaMain& w);

}  // namespace engine
