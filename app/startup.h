#pragma once
// The main window's load step and the two buttons that end work.
#include <cstdint>
#include <memory>
#include <optional>

namespace forms {
class Form;
class Services;
}
namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

// How a started window is shown: as a window (tests, scripts), covering the
// screen (the desktop program), or to nobody, without any screen memory
// (the renderer).
enum class WindowShown { Window, FullScreen, Unseen };

// Starts the main window as the program starts it: builds it, wires its
// handlers, runs its load step (seeded from the clock when no seed is given),
// shows it and gives the canvas the focus. The program, the renderer, the
// tests and the benches start here.
std::unique_ptr<TrochelaMain> StartWindow(forms::Services& services, std::optional<double> seed,
                                          WindowShown shown = WindowShown::Window);

// Seeds the random numbers, sets the wheel tables, sizes the window and the
// canvas to the screen and sets the canvas's scale (origin at the centre,
// 1.05 units to a pixel). Draws nothing.
void Form_Load(TrochelaMain& w, bool seedGiven, double seed);

// Ends the program at once, also from inside a drawing's or a pause's yield.
void CmdExit_Click(forms::Form& form);

// Asks the running drawing to stop at its next step.
void CmdStop_Click(int16_t& StopRequested);

}  // namespace app
