#pragma once
// The wheel editor: the wheel shown, its size and ratio in the fields and the
// scroll bars, and the size scroll bar of the picture.
namespace app { struct TrochelaMain; }

namespace wheels {

// The wheel shown, as the caption "Wheel #n" of LblScrollWheel records it.
int CurrentWheelFromCaption(app::TrochelaMain& w);

void CmdRightScrollWheel_Click(app::TrochelaMain& w);
void CmdLeftScrollWheel_Click(app::TrochelaMain& w);
void TxtFixed_LostFocus(app::TrochelaMain& w);
void TxtRatio1_LostFocus(app::TrochelaMain& w);
void ScrollOffset_Change(app::TrochelaMain& w);
void ScrollRatio_Change(app::TrochelaMain& w);
void ScrollSize_Change(app::TrochelaMain& w);
// Dragging a thumb redraws the picture at every position.
void ScrollOffset_Scroll(app::TrochelaMain& w);
void ScrollRatio_Scroll(app::TrochelaMain& w);
void ScrollSize_Scroll(app::TrochelaMain& w);

// Writes the closing rotation count for wheels 1 and 2 into TxtRotations
// (single-wheel mode); a size pair without one leaves the field as it is.
void WriteClosingRotations(app::TrochelaMain& w);

}  // namespace wheels
