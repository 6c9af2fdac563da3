#pragma once
// The wheel count and the switch between single-wheel and multi-wheel mode.
namespace app { struct TrochelaMain; }

namespace wheels {

// The controls that only multi-wheel mode uses.
void ShowMultiControls(app::TrochelaMain& w);
void HideMultiControls(app::TrochelaMain& w);

// Multi-wheel mode on or off: the wheel-count caption is kept aside while
// single-wheel mode reads "3".
void ChkMulti_Click(app::TrochelaMain& w);

// Left button counts the wheels up (24 wraps to 3), right button down (3 wraps
// to 24); any button refits the scale.
void CmdWheelLimit_MouseDown(app::TrochelaMain& w, int button);

}  // namespace wheels
