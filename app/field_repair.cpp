#include "app/field_repair.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/numbers.h"
#include "window/trochela_main.h"

namespace app {
namespace {

// The not-numeric repair: returns the field's value after it.
double Numeric(forms::TextBox& field, const char* fallback) {
  if (!base::ParseNumber(field.Text())) field.SetText(fallback);
  return field.Number();
}

// X over Y when both fields gain the focus; a Y of 0 has no proportion, and
// the previous one is kept.
void TakeAspect(TrochelaMain& w) {
  const double p = w.TxtX.Number() / w.TxtY.Number();
  if (std::isfinite(p)) w.AspectProportion = p;
}

void RoundTo3(forms::TextBox& field) { field.SetNumber(base::RoundHalfEven(field.Number(), 3)); }

// Leaving X (or Y): at most 100; with "Aspect" ticked the partner keeps the
// proportion taken at focus gain; the partner always keeps 3 decimals.
void RepairScaleField(TrochelaMain& w, forms::TextBox& field, forms::TextBox& partner, bool isX) {
  if (Numeric(field, "1") > 100) field.SetText("100");
  if (w.ChkRatio.Value() == 1 && w.AspectProportion != 0) {
    const double v =
        isX ? field.Number() / w.AspectProportion : field.Number() * w.AspectProportion;
    // A proportion that overflows the partner leaves it as it was.
    if (std::isfinite(v)) partner.SetNumber(v);
  }
  RoundTo3(partner);
}

// The centre stays within 1000 units of the middle.
void RepairCentre(forms::TextBox& field) {
  if (std::fabs(Numeric(field, "0")) > 1000) field.SetText("0");
}

}  // namespace

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

void TxtRotations_LostFocus(TrochelaMain& w) { Numeric(w.TxtRotations, "1"); }
void TxtRotStart_LostFocus(TrochelaMain& w) { Numeric(w.TxtRotStart, "1"); }
void TxtRotInc_LostFocus(TrochelaMain& w) { Numeric(w.TxtRotInc, "1"); }
void TxtHoleInc_LostFocus(TrochelaMain& w) { Numeric(w.TxtHoleInc, "1"); }
void TxtNStart_LostFocus(TrochelaMain& w) { Numeric(w.TxtNStart, "1"); }
void TxtNFactor_LostFocus(TrochelaMain& w) { Numeric(w.TxtNFactor, "1"); }
void TxtTurn_LostFocus(TrochelaMain& w) { Numeric(w.TxtTurn, "0"); }

void TxtLoop_LostFocus(TrochelaMain& w) {
  if (Numeric(w.TxtLoop, "1") < 1) w.TxtLoop.SetText("1");
}

void TxtPctDec_LostFocus(TrochelaMain& w) {
  if (Numeric(w.TxtPctDec, "1") <= 0) w.TxtPctDec.SetText("1");
  if (w.TxtPctDec.Number() >= 1) w.TxtPctDec.SetText("1");
}

void TxtResolution_LostFocus(TrochelaMain& w) {
  if (Numeric(w.TxtResolution, "1") < 1) w.TxtResolution.SetText("1");
  if (w.TxtResolution.Number() > 9999) w.TxtResolution.SetText("9999");
}

void TxtPctScale_LostFocus(TrochelaMain& w) {
  if (Numeric(w.TxtPctScale, "100") == 0) w.TxtPctScale.SetText("100");
  if (w.TxtPctScale.Number() > 500) w.TxtPctScale.SetText("500");
  // A size outside the bar's 1..500 shows the bar at its nearer end; the
  // field keeps its text.
  w.ScrollSetByCode = -1;
  w.ScrollSize.SetValue(base::ToInt16(w.TxtPctScale.Number()));  // raises ScrollSize_Change
}

void TxtOff_X_LostFocus(TrochelaMain& w) { RepairCentre(w.TxtOff_X); }
void TxtOff_Y_LostFocus(TrochelaMain& w) { RepairCentre(w.TxtOff_Y); }
void TxtX_LostFocus(TrochelaMain& w) { RepairScaleField(w, w.TxtX, w.TxtY, true); }
void TxtY_LostFocus(TrochelaMain& w) { RepairScaleField(w, w.TxtY, w.TxtX, false); }

}  // namespace app
