#include "app/field_repair.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/numbers.h"
#include "wheels/wheel_editor.h"
#include "window/trochela_main.h"

namespace app {
namespace {

void SelectAll(forms::TextBox& field) {
  field.SetSelStart(0);
  field.SetSelLength(32);
}

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
void ScaleLeft(TrochelaMain& w, forms::TextBox& field, forms::TextBox& partner, bool isX) {
  if (Numeric(field, "1") > 100) field.SetText("100");
  if (w.ChkRatio.Value() == 1 && w.AspectProportion != 0) {
    const double v =
        isX ? field.Number() / w.AspectProportion : field.Number() * w.AspectProportion;
    // A proportion that overflows the partner leaves it as it was.
    if (std::isfinite(v)) partner.SetNumber(v);
  }
  RoundTo3(partner);
}

}  // namespace

void WireFieldRepairs(TrochelaMain& w) {
  for (forms::TextBox* f :
       {&w.TxtFixed, &w.TxtRatio1, &w.TxtRotations, &w.TxtResolution, &w.TxtPctScale, &w.TxtOff_X,
        &w.TxtOff_Y, &w.TxtTurn, &w.TxtRotStart, &w.TxtLoop, &w.TxtPctDec, &w.TxtRotInc,
        &w.TxtHoleInc, &w.TxtNStart, &w.TxtNFactor})
    f->GotFocus = [f] { SelectAll(*f); };
  w.TxtFixed.GotFocus = [&w] {
    SelectAll(w.TxtFixed);
    w.ScrollSetByCode = 0;
  };
  w.TxtRatio1.GotFocus = [&w] {
    SelectAll(w.TxtRatio1);
    w.ScrollSetByCode = 0;
  };
  w.TxtX.GotFocus = [&w] {
    TakeAspect(w);
    SelectAll(w.TxtX);
  };
  w.TxtY.GotFocus = [&w] {
    TakeAspect(w);
    SelectAll(w.TxtY);
  };

  // Fields that accept any number.
  for (forms::TextBox* f :
       {&w.TxtRotations, &w.TxtRotStart, &w.TxtRotInc, &w.TxtHoleInc, &w.TxtNStart, &w.TxtNFactor})
    f->LostFocus = [f] { Numeric(*f, "1"); };
  w.TxtTurn.LostFocus = [&w] { Numeric(w.TxtTurn, "0"); };
  w.TxtLoop.LostFocus = [&w] {
    if (Numeric(w.TxtLoop, "1") < 1) w.TxtLoop.SetText("1");
  };
  w.TxtPctDec.LostFocus = [&w] {
    if (Numeric(w.TxtPctDec, "1") <= 0) w.TxtPctDec.SetText("1");
    if (w.TxtPctDec.Number() >= 1) w.TxtPctDec.SetText("1");
  };
  w.TxtResolution.LostFocus = [&w] {
    if (Numeric(w.TxtResolution, "1") < 1) w.TxtResolution.SetText("1");
    if (w.TxtResolution.Number() > 9999) w.TxtResolution.SetText("9999");
  };
  w.TxtPctScale.LostFocus = [&w] {
    if (Numeric(w.TxtPctScale, "100") == 0) w.TxtPctScale.SetText("100");
    if (w.TxtPctScale.Number() > 500) w.TxtPctScale.SetText("500");
    // A size outside the bar's 1..500 shows the bar at its nearer end; the
    // field keeps its text.
    w.ScrollSetByCode = -1;
    w.ScrollSize.SetValue(base::ToInt16(w.TxtPctScale.Number()));
  };
  for (forms::TextBox* f : {&w.TxtOff_X, &w.TxtOff_Y})
    f->LostFocus = [f] {
      if (std::fabs(Numeric(*f, "0")) > 1000) f->SetText("0");
    };
  w.TxtX.LostFocus = [&w] { ScaleLeft(w, w.TxtX, w.TxtY, true); };
  w.TxtY.LostFocus = [&w] { ScaleLeft(w, w.TxtY, w.TxtX, false); };
  w.TxtFixed.LostFocus = [&w] { wheels::TxtFixed_LostFocus(w); };
  w.TxtRatio1.LostFocus = [&w] { wheels::TxtRatio1_LostFocus(w); };
}

}  // namespace app
