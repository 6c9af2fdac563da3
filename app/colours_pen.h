#pragma once
// The drawing and background colours through the colour dialog, and the four
// pen widths.
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
void ChkAspect_Click(TrochelaMain& w);
void ChkClear_Click(TrochelaMain& w);
void ChkRotStart_Click(TrochelaMain& w);
void ChkColor_Click(TrochelaMain& w);
void ChkResolution_Click(TrochelaMain& w);
void ChkScale_Click(TrochelaMain& w);

}  // namespace app
