#pragma once
// The numeric fields select their text when they gain the focus, so that
// typing replaces it, and repair it silently when they lose the focus. The
// wheel editor's two fields leave through wheels/wheel_editor.h.
#include <cstdint>

#include "model/bindings.h"

namespace forms {
class CheckBox;
class ScrollBar;
class TextBox;
}  // namespace forms

namespace app {

// Any numeric field gaining the focus: its whole text is selected.
void TextField_GotFocus(forms::TextBox& field);
// The wheel editor's fields (TxtFixed, TxtRatio1) also let the scroll bars'
// Change handlers work.
void EditorField_GotFocus(forms::TextBox& field, int16_t& scrollSetByCode);

// The scales X and Y and what keeps their proportion: "Aspect" and the
// proportion taken when either gains the focus.
struct ScaleFields {
  forms::TextBox& x;
  forms::TextBox& y;
  const forms::CheckBox& aspect;
  double& proportion;
};
void ScaleField_GotFocus(const ScaleFields& f, forms::TextBox& field);

// A field repaired by its rule (model/bindings.h) when it is left; the
// symmetry's fields, which are no settings, take any number ("1" else).
void RepairField(forms::TextBox& field, const model::Repair& repair);
// The size also moves its bar, ScrollSize.
void TxtPctScale_LostFocus(forms::TextBox& field, int16_t& scrollSetByCode, forms::ScrollBar& bar);
// A scale keeps its proportion with "Aspect"; its partner keeps 3 decimals.
void ScaleField_LostFocus(const ScaleFields& f, bool isX);

}  // namespace app
