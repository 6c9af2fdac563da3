#pragma once
// The drawing and background colours through the colour dialog, and the four
// pen widths.
namespace forms {
class PictureBox;
}
namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

void CmdSetForeColor_Click(TrochelaMain& w);
void CmdSetBackColor_Click(TrochelaMain& w);
void CmdThick_Click(TrochelaMain& w);

// The check boxes that only hand the keyboard focus back to the canvas; the
// other routines read their values when they need them.
void ChkAspect_Click(forms::PictureBox& canvas);
void ChkClear_Click(forms::PictureBox& canvas);
void ChkRotStart_Click(forms::PictureBox& canvas);
void ChkColor_Click(forms::PictureBox& canvas);
void ChkResolution_Click(forms::PictureBox& canvas);
void ChkScale_Click(forms::PictureBox& canvas);

}  // namespace app
