#include "app/panel.h"

#include <initializer_list>

#include "app/main_window.h"
#include "wheels/wheel_mode.h"

namespace app {
namespace {

void SetVisible(std::initializer_list<forms::Control*> controls, bool v) {
  for (forms::Control* c : controls) c->SetVisible(v);
}

void SetEnabled(std::initializer_list<forms::Control*> controls, bool e) {
  for (forms::Control* c : controls) c->SetEnabled(e);
}

// The three outline options are locked together, whichever is selected.
void SetShapesEnabled(TrochelaMain& w, bool e) {
  if (w.ChkTriangle.Value()) SetEnabled({&w.ChkCircle, &w.ChkTriangle, &w.ChkSquare}, e);
  if (w.ChkSquare.Value()) SetEnabled({&w.ChkCircle, &w.ChkTriangle, &w.ChkSquare}, e);
  if (w.ChkCircle.Value()) SetEnabled({&w.ChkCircle, &w.ChkTriangle, &w.ChkSquare}, e);
}

void SetLockListEnabled(TrochelaMain& w, bool e) {
  SetEnabled({&w.CmdFrame, &w.CmdWheelLimit, &w.CmdLeftScrollWheel, &w.CmdRightScrollWheel,
              &w.ChkPen, &w.TxtTurn, &w.CmdThick, &w.CmdColorBar, &w.CmdSetForeColor,
              &w.CmdSetBackColor, &w.CmdPrint},
             e);
  SetShapesEnabled(w, e);
  // Locking takes the ratio field here; unlocking gives it back further on.
  if (!e) w.TxtRatio1.SetEnabled(false);
  SetEnabled({&w.CmdOpen, &w.CmdSave, &w.TxtFixed, &w.TxtX, &w.TxtY, &w.CmdExit, &w.CmdDraw,
              &w.TxtRotations, &w.CmdClear, &w.CmdRandom, &w.TxtResolution, &w.ChkScale,
              &w.ChkColor, &w.ChkResolution, &w.ChkAspect, &w.ChkRatio, &w.TxtRotInc,
              &w.TxtPctDec, &w.TxtLoop, &w.ChkMulti, &w.ChkGradient, &w.TxtRotStart},
             e);
  if (e) w.TxtRatio1.SetEnabled(true);
  SetEnabled({&w.TxtHoleInc, &w.ChkF, &w.ChkR1, &w.ChkEven, &w.ChkClear, &w.ChkRotStart,
              &w.TxtPctScale, &w.CmdLoadParms, &w.CmdSaveParms, &w.TxtOff_X, &w.TxtOff_Y},
             e);
}

}  // namespace

void HideControlPanel(TrochelaMain& w) {
  SetVisible({&w.LblSymmetry, &w.CmdSymmetry, &w.TxtNFactor, &w.TxtNStart, &w.CmdSnap,
              &w.ScrollSize, &w.LblRatios, &w.ScrollRatio, &w.ChkPen, &w.TxtTurn, &w.CmdThick,
              &w.CmdColorBar, &w.CmdSetForeColor, &w.CmdSetBackColor, &w.ChkSquare, &w.CmdOpen,
              &w.CmdSave, &w.TxtFixed, &w.LblXScale, &w.Lblyscale, &w.TxtX, &w.TxtY, &w.Frame1,
              &w.CmdExit, &w.LblColor, &w.CmdDraw, &w.TxtRotations, &w.LblRotations, &w.CmdClear,
              &w.CmdRandom, &w.TxtResolution, &w.ChkScale, &w.ChkColor, &w.ChkResolution,
              &w.ChkAspect, &w.ScrollOffset, &w.ChkRatio, &w.TxtRotInc, &w.TxtPctDec, &w.TxtLoop,
              &w.LblLoop, &w.LblDec, &w.LblInc, &w.LblRes, &w.ChkMulti, &w.LblRot, &w.CmdStop,
              &w.ChkGradient, &w.LblTurn, &w.TxtRotStart, &w.LblHoleInc, &w.TxtHoleInc,
              &w.LblMulti, &w.TxtRatio1, &w.ChkF, &w.ChkR1, &w.ChkEven, &w.ChkClear,
              &w.ChkRotStart, &w.TxtPctScale, &w.CmdLoadParms, &w.CmdSaveParms, &w.LblOff,
              &w.LblOff_X, &w.LblOff_Y, &w.TxtOff_X, &w.TxtOff_Y, &w.LblSize},
             false);
}

void ShowControlPanel(TrochelaMain& w) {
  SetVisible({&w.CmdSnap, &w.ScrollSize, &w.ChkPen, &w.TxtTurn, &w.CmdThick, &w.CmdColorBar,
              &w.CmdSetForeColor, &w.CmdSetBackColor, &w.ChkSquare, &w.CmdOpen, &w.CmdSave,
              &w.TxtFixed, &w.LblXScale, &w.Lblyscale, &w.TxtX, &w.TxtY, &w.Frame1, &w.CmdExit,
              &w.LblColor, &w.CmdDraw, &w.TxtRotations, &w.LblRotations, &w.CmdClear,
              &w.CmdRandom, &w.TxtResolution, &w.ChkScale, &w.ChkColor, &w.ChkResolution,
              &w.ChkAspect, &w.ScrollOffset, &w.ChkRatio, &w.TxtRotInc, &w.TxtPctDec, &w.TxtLoop,
              &w.LblLoop, &w.LblDec, &w.LblInc, &w.LblRes, &w.ChkMulti, &w.LblRot, &w.CmdStop,
              &w.ChkGradient, &w.LblTurn, &w.TxtRotStart, &w.LblHoleInc, &w.TxtHoleInc,
              &w.LblMulti, &w.ChkF},
             true);
  if (w.ChkMulti.Value() == 1) wheels::ShowMultiControls(w);
  SetVisible({&w.ChkClear, &w.ChkRotStart, &w.TxtPctScale, &w.CmdLoadParms, &w.CmdSaveParms,
              &w.LblOff, &w.LblOff_X, &w.LblOff_Y, &w.TxtOff_X, &w.TxtOff_Y, &w.LblSize},
             true);
}

void LockControls(TrochelaMain& w) { SetLockListEnabled(w, false); }
void UnlockControls(TrochelaMain& w) { SetLockListEnabled(w, true); }

}  // namespace app
