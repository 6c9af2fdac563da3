#pragma once
// The per-wheel random flags: whether Random may refresh a wheel's size
// (ChkF) and ratio (ChkR1), the two boxes that set a flag for all 24 wheels,
// the largest ratio Random picks, and the "Ratio" label's switch for
// negative random sizes in multi-wheel mode.
namespace forms {
class Label;
}
namespace window {
struct TrochelaMain;
}

namespace wheels {

// Stores the box into the size flag of the wheel shown.
void ChkF_Click(window::TrochelaMain& w);

// A completed click of the user on ChkR1 (the box already shows its new
// state); only the left button counts. Ticking it makes the ratio on display,
// as a whole positive number, the largest ratio Random picks. The program's
// own writes of ChkR1 do not come here.
void ChkR1_MouseUp(window::TrochelaMain& w, int button);

// Both directions: checked sets the flag of all 24 wheels, cleared clears
// them, whatever the wheel count.
void ChkWheelAll_Click(window::TrochelaMain& w);
void ChkRatioAll_Click(window::TrochelaMain& w);

// The underline of "Ratio" switches negative random sizes on and off.
void LblRatios_Click(forms::Label& label, bool& negativeSizes);
// Ctrl+R: the same switch, while the label can be clicked.
void LblRatios_Shortcut(forms::Label& label, bool& negativeSizes);

}  // namespace wheels
