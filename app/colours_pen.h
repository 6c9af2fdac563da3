#pragma once
// The drawing and background colours through the colour dialog, and the four
// pen widths.
#include <cstdint>

namespace forms {
class CommandButton;
class PictureBox;
}  // namespace forms
namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

void CmdSetForeColor_Click(TrochelaMain& w);
void CmdSetBackColor_Click(TrochelaMain& w);
// The pen's next step, 1 to 4, shown on its button.
void CmdThick_Click(int16_t& penStep, forms::CommandButton& button, forms::PictureBox& canvas);

// The check boxes that only hand the keyboard focus back to the canvas; the
// other routines read their values when they need them.
void ChkAspect_Click(forms::PictureBox& canvas);
void ChkClear_Click(forms::PictureBox& canvas);
void ChkRotStart_Click(forms::PictureBox& canvas);
void ChkColor_Click(forms::PictureBox& canvas);
void ChkResolution_Click(forms::PictureBox& canvas);
void ChkScale_Click(forms::PictureBox& canvas);

}  // namespace app
