#pragma once
// The wheel count and the switch between single-wheel and multi-wheel mode.
namespace window {
struct TrochelaMain;
}

namespace wheels {

// Multi-wheel mode on or off: the wheel-count caption is kept aside while
// single-wheel mode reads "3".
void ChkMulti_Click(window::TrochelaMain& w);

// Left button counts the wheels up (24 wraps to 3), right button down (3 wraps
// to 24); any button refits the scale.
void CmdWheelLimit_MouseDown(window::TrochelaMain& w, int button);
// Up (or Space, Enter) on the focused button counts up as the left button
// does, Down counts down as the right button; the focus stays on the button.
void CmdWheelLimit_KeyDown(window::TrochelaMain& w, int& keyCode);

}  // namespace wheels
