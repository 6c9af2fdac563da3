#pragma once
// The numeric fields select their text when they gain the focus, so that
// typing replaces it, and repair it silently when they lose the focus. The
// wheel editor's two fields leave through wheels/wheel_editor.h.
namespace forms {
class TextBox;
}
namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

// Any numeric field gaining the focus: its whole text is selected.
void TextField_GotFocus(forms::TextBox& field);
// The wheel editor's fields also let the scroll bars' Change handlers work.
void TxtFixed_GotFocus(TrochelaMain& w);
void TxtRatio1_GotFocus(TrochelaMain& w);
// The scales take the proportion of X to Y for "Aspect".
void TxtX_GotFocus(TrochelaMain& w);
void TxtY_GotFocus(TrochelaMain& w);

// Fields that take any number; text that is not one becomes "1" ("0" for
// the turn).
void TxtRotations_LostFocus(TrochelaMain& w);
void TxtRotStart_LostFocus(TrochelaMain& w);
void TxtRotInc_LostFocus(TrochelaMain& w);
void TxtHoleInc_LostFocus(TrochelaMain& w);
void TxtNStart_LostFocus(TrochelaMain& w);
void TxtNFactor_LostFocus(TrochelaMain& w);
void TxtTurn_LostFocus(TrochelaMain& w);
// Fields with a range.
void TxtLoop_LostFocus(TrochelaMain& w);        // at least 1
void TxtPctDec_LostFocus(TrochelaMain& w);      // above 0 and below 1, else 1
void TxtResolution_LostFocus(TrochelaMain& w);  // 1 to 9999
void TxtPctScale_LostFocus(TrochelaMain& w);    // not 0, at most 500; moves ScrollSize
void TxtOff_X_LostFocus(TrochelaMain& w);       // -1000 to 1000, else 0
void TxtOff_Y_LostFocus(TrochelaMain& w);
void TxtX_LostFocus(TrochelaMain& w);  // at most 100; Y follows with "Aspect"
void TxtY_LostFocus(TrochelaMain& w);  // at most 100; X follows with "Aspect"

}  // namespace app
