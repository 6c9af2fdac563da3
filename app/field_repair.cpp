#include "app/field_repair.h"

#include <cmath>

#include "base/numbers.h"
#include "forms/controls.h"

namespace app {
namespace {

// X over Y when either field gains the focus; a Y of 0 has no proportion, and
// the previous one is kept.
void TakeAspect(const ScaleFields& f) {
  const double p = f.x.Number() / f.y.Number();
  if (std::isfinite(p)) f.proportion = p;
}

void RoundTo3(forms::TextBox& field) { field.SetNumber(base::RoundHalfEven(field.Number(), 3)); }

}  // namespace

void RepairField(forms::TextBox& field, const model::Repair& repair) {
  model::Field f(field.Text());
  model::RepairField(f, repair);
  field.SetText(f.Text());
}

void TextField_GotFocus(forms::TextBox& field) {
  field.SetSelStart(0);
  field.SetSelLength(32);
}

void EditorField_GotFocus(forms::TextBox& field, int16_t& scrollSetByCode) {
  TextField_GotFocus(field);
  scrollSetByCode = 0;
}

void ScaleField_GotFocus(const ScaleFields& f, forms::TextBox& field) {
  TakeAspect(f);
  TextField_GotFocus(field);
}

void TxtPctScale_LostFocus(forms::TextBox& field, int16_t& scrollSetByCode, forms::ScrollBar& bar) {
  RepairField(field, model::BindingOf(model::FieldId::PctScale).repair);
  // A size outside the bar's 1..500 shows the bar at its nearer end; the
  // field keeps its text.
  scrollSetByCode = -1;
  bar.SetValue(base::ToInt16(field.Number()));  // raises ScrollSize_Change
}

// Leaving X (or Y): at most 100; with "Aspect" ticked the partner keeps the
// proportion taken at focus gain; the partner always keeps 3 decimals.
void ScaleField_LostFocus(const ScaleFields& f, bool isX) {
  forms::TextBox& field = isX ? f.x : f.y;
  forms::TextBox& partner = isX ? f.y : f.x;
  RepairField(field, model::BindingOf(isX ? model::FieldId::XScale : model::FieldId::YScale).repair);
  if (f.aspect.Value() == 1 && f.proportion != 0) {
    const double v = isX ? field.Number() / f.proportion : field.Number() * f.proportion;
    // A proportion that overflows the partner leaves it as it was.
    if (std::isfinite(v)) partner.SetNumber(v);
  }
  RoundTo3(partner);
}

}  // namespace app
