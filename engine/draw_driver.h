#pragma once
// The draw command and the frame that every drawing routine runs around its
// passes: Rot+, Pen+ and Dec between passes, the gradient after each, the
// locking of the panel, and the restores at the end.
namespace window {
struct TrochelaMain;
}

namespace engine {

enum class Shape { Circle, Triangle, Square };

// Keeps the picture for undo, prepares the canvas for a redraw from a scroll
// bar, and runs the routine for the mode and the outline.
void CmdDraw_Click(window::TrochelaMain& w);

// Runs the routine for the mode (ChkMulti) and the outline (ChkSquare,
// ChkTriangle, else the circle): the draw command and Random.
void DrawChosenRoutine(window::TrochelaMain& w);

// The six drawing routines. Each yields to the event queue every 100 steps,
// so any handler of the window, a nested drawing included, may run inside.
void DrawSingleCircle(window::TrochelaMain& w);
void DrawSingleTriangle(window::TrochelaMain& w);
void DrawSingleSquare(window::TrochelaMain& w);
void DrawMultiCircle(window::TrochelaMain& w);
void DrawMultiTriangle(window::TrochelaMain& w);
void DrawMultiSquare(window::TrochelaMain& w);

// Pen+: moves wheel 3 by the Pen+ value from the second pass on, while it
// stays strictly inside (-451, 451).
void StepPen(window::TrochelaMain& w);

// Steps the drawing colour's components, each bouncing between 0 and 255.
void StepGradientColor(window::TrochelaMain& w);

}  // namespace engine
