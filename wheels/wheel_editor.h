#pragma once
// The wheel editor: the wheel shown, its size and ratio in the fields and the
// scroll bars, and the size scroll bar of the picture.
namespace forms {
class ScrollBar;
}
namespace window {
struct TrochelaMain;
}

namespace wheels {

void CmdRightScrollWheel_Click(window::TrochelaMain& w);
void CmdLeftScrollWheel_Click(window::TrochelaMain& w);
void TxtFixed_LostFocus(window::TrochelaMain& w);
void TxtRatio1_LostFocus(window::TrochelaMain& w);
void ScrollOffset_Change(window::TrochelaMain& w);
void ScrollRatio_Change(window::TrochelaMain& w);
void ScrollSize_Change(window::TrochelaMain& w);
// Dragging a thumb redraws the picture at every position.
void ScrollOffset_Scroll(window::TrochelaMain& w);
void ScrollRatio_Scroll(window::TrochelaMain& w);
void ScrollSize_Scroll(window::TrochelaMain& w);

// Writes the closing rotation count for wheels 1 and 2 into TxtRotations
// (single-wheel mode); a size pair without one leaves the field as it is.
void WriteClosingRotations(window::TrochelaMain& w);

// Widens the ratio bar symmetrically when the ratio's magnitude is above its
// Max; it never narrows. A ratio beyond the bar's 16-bit range widens it to
// the end of that range only.
void WidenRatioBar(forms::ScrollBar& bar, double ratio);

}  // namespace wheels
