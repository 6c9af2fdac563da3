#pragma once
// The mouse and the keyboard on the drawing surface: the pointer's last
// position, the flood fill (middle button, Esc), the panel toggle (right
// button), the colour pick-up (Space) and undo (Backspace).
#include <cstdint>

namespace window {
struct TrochelaMain;
}

namespace canvas {

void Canvas_MouseMove(int16_t& MouseX, int16_t& MouseY, float x, float y);
void Canvas_MouseDown(window::TrochelaMain& w, int button, int shift);
void Canvas_KeyPress(window::TrochelaMain& w, int keyAscii);
// Hides the panel, or shows it again: the right button on the canvas, and
// F9 anywhere in the window.
void TogglePanel(window::TrochelaMain& w);

}  // namespace canvas
