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

// The check boxes that only hand the keyboard focus back to the canvas.
void WireFocusReturningBoxes(TrochelaMain& w);

}  // namespace app
