#pragma once
// The main window's load step and the two buttons that end work.
namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

// Seeds the random numbers, sets the wheel tables, sizes the window and the
// canvas to the screen and sets the canvas's scale (origin at the centre,
// 1.05 units to a pixel). Draws nothing.
void Form_Load(TrochelaMain& w, bool seedGiven, double seed);

// Ends the program at once, also from inside a drawing's or a pause's yield.
void CmdExit_Click(TrochelaMain& w);

// Asks the running drawing to stop at its next step.
void CmdStop_Click(TrochelaMain& w);

// Assigns every notification of the window to its handler.
void WireHandlers(TrochelaMain& w);

}  // namespace app
