#pragma once
// The numeric fields select their text when they gain the focus, so that
// typing replaces it, and repair it silently when they lose the focus. The
// wheel editor's two fields leave through wheels/wheel_editor.h.
#include "model/bindings.h"

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

// A field repaired by its rule (model/bindings.h) when it is left; the
// symmetry's fields, which are no settings, take any number ("1" else).
void RepairField(forms::TextBox& field, const model::Repair& repair);
// The size also moves ScrollSize; the scales keep their proportion with
// "Aspect" and 3 decimals.
void TxtPctScale_LostFocus(TrochelaMain& w);
void TxtX_LostFocus(TrochelaMain& w);
void TxtY_LostFocus(TrochelaMain& w);

}  // namespace app
