#pragma once
// The mouse and the keyboard on the drawing surface: the pointer's last
// position, the flood fill (middle button, Esc), the panel toggle (right
// button), the colour pick-up (Space) and undo (Backspace).
#include <cstdint>

namespace app { struct TrochelaMain; }

namespace canvas {

constexpr int kBackspace = 8;

void Canvas_MouseMove(app::TrochelaMain& w, float x, float y);
void Canvas_MouseDown(app::TrochelaMain& w, int button, int shift);
void Canvas_KeyPress(app::TrochelaMain& w, int keyAscii);

// Fills the region of FillTargetColor around a canvas point with the drawing
// colour; points outside the picture are moved to its edge.
void FillAtPoint(app::TrochelaMain& w, int16_t x, int16_t y);

// Backspace on the canvas and on the buttons that change the picture: the
// picture from before the last change comes back.
void RestoreUndo(app::TrochelaMain& w);

}  // namespace canvas
