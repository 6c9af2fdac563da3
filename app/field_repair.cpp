#include "app/field_repair.h"

#include <cmath>

#include "base/numbers.h"
#include "window/trochela_main.h"

namespace app {
namespace {

// X over Y when both fields gain the focus; a Y of 0 has no proportion, and
// the previous one is kept.
void TakeAspect(TrochelaMain& w) {
  const double p = w.TxtX.Number() / w.TxtY.Number();
  if (std::isfinite(p)) w.AspectProportion = p;
}

void RoundTo3(forms::TextBox& field) { field.SetNumber(base::RoundHalfEven(field.Number(), 3)); }

// Leaving X (or Y): at most 100; with "Aspect" ticked the partner keeps the
// proportion taken at focus gain; the partner always keeps 3 decimals.
void RepairScaleField(TrochelaMain& w, forms::TextBox& field, model::FieldId id,
                      forms::TextBox& partner, bool isX) {
  RepairField(field, model::BindingOf(id).repair);
  if (w.ChkRatio.Value() == 1 && w.AspectProportion != 0) {
    const double v =
        isX ? field.Number() / w.AspectProportion : field.Number() * w.AspectProportion;
    // A proportion that overflows the partner leaves it as it was.
    if (std::isfinite(v)) partner.SetNumber(v);
  }
  RoundTo3(partner);
}

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

void TxtFixed_GotFocus(TrochelaMain& w) {
  TextField_GotFocus(w.TxtFixed);
  w.ScrollSetByCode = 0;
}

void TxtRatio1_GotFocus(TrochelaMain& w) {
  TextField_GotFocus(w.TxtRatio1);
  w.ScrollSetByCode = 0;
}

void TxtX_GotFocus(TrochelaMain& w) {
  TakeAspect(w);
  TextField_GotFocus(w.TxtX);
}

void TxtY_GotFocus(TrochelaMain& w) {
  TakeAspect(w);
  TextField_GotFocus(w.TxtY);
}
void TxtPctScale_LostFocus(TrochelaMain& w) {
  RepairField(w.TxtPctScale, model::BindingOf(model::FieldId::PctScale).repair);
  // A size outside the bar's 1..500 shows the bar at its nearer end; the
  // field keeps its text.
  w.ScrollSetByCode = -1;
  w.ScrollSize.SetValue(base::ToInt16(w.TxtPctScale.Number()));  // raises ScrollSize_Change
}

void TxtX_LostFocus(TrochelaMain& w) {
  RepairScaleField(w, w.TxtX, model::FieldId::XScale, w.TxtY, true);
}
void TxtY_LostFocus(TrochelaMain& w) {
  RepairScaleField(w, w.TxtY, model::FieldId::YScale, w.TxtX, false);
}

}  // namespace app
