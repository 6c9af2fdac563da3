#include "window/panel.h"

#include <algorithm>
#include <array>

#include "window/trochela_main.h"

namespace window {
namespace {

using Control = forms::Control;

// What the panel hides, in its order. ShowControlPanel shows the same
// controls in the same order, but leaves the multi-wheel ones to
// ShowMultiControls, which it runs in their place.
std::array<Control*, 68> PanelList(TrochelaMain& w) {
  return {&w.LblSymmetry,   &w.CmdSymmetry,  &w.TxtNFactor,      &w.TxtNStart,       &w.CmdSnap,
          &w.ScrollSize,    &w.LblRatios,    &w.ScrollRatio,     &w.ChkPen,          &w.TxtTurn,
          &w.CmdThick,      &w.CmdColorBar,  &w.CmdSetForeColor, &w.CmdSetBackColor, &w.ChkSquare,
          &w.CmdOpen,       &w.CmdSave,      &w.TxtFixed,        &w.LblXScale,       &w.Lblyscale,
          &w.TxtX,          &w.TxtY,         &w.Frame1,          &w.CmdExit,         &w.LblColor,
          &w.CmdDraw,       &w.TxtRotations, &w.LblRotations,    &w.CmdClear,        &w.CmdRandom,
          &w.TxtResolution, &w.ChkScale,     &w.ChkColor,        &w.ChkResolution,   &w.ChkAspect,
          &w.ScrollOffset,  &w.ChkRatio,     &w.TxtRotInc,       &w.TxtPctDec,       &w.TxtLoop,
          &w.LblLoop,       &w.LblDec,       &w.LblInc,          &w.LblRes,          &w.ChkMulti,
          &w.LblRot,        &w.CmdStop,      &w.ChkGradient,     &w.LblTurn,         &w.TxtRotStart,
          &w.LblHoleInc,    &w.TxtHoleInc,   &w.LblMulti,        &w.TxtRatio1,       &w.ChkF,
          &w.ChkR1,         &w.ChkEven,      &w.ChkClear,        &w.ChkRotStart,     &w.TxtPctScale,
          &w.CmdLoadParms,  &w.CmdSaveParms, &w.LblOff,          &w.LblOff_X,        &w.LblOff_Y,
          &w.TxtOff_X,      &w.TxtOff_Y,     &w.LblSize};
}

// The multi-wheel controls, in the order the mode switch shows and hides them.
std::array<Control*, 13> MultiList(TrochelaMain& w) {
  return {&w.LblSymmetry, &w.CmdSymmetry, &w.TxtNFactor,     &w.TxtNStart, &w.ChkRatioAll,
          &w.LblWheels,   &w.ScrollRatio, &w.LblRatioScroll, &w.LblRatios, &w.CmdWheelLimit,
          &w.TxtRatio1,   &w.ChkR1,       &w.ChkEven};
}

// What a drawing disables and enables again, in this order.
std::array<Control*, 48> LockList(TrochelaMain& w) {
  return {&w.CmdFrame,
          &w.CmdWheelLimit,
          &w.CmdLeftScrollWheel,
          &w.CmdRightScrollWheel,
          &w.ChkPen,
          &w.TxtTurn,
          &w.CmdThick,
          &w.CmdColorBar,
          &w.CmdSetForeColor,
          &w.CmdSetBackColor,
          &w.CmdPrint,
          &w.ChkCircle,
          &w.ChkTriangle,
          &w.ChkSquare,
          &w.TxtRatio1,
          &w.CmdOpen,
          &w.CmdSave,
          &w.TxtFixed,
          &w.TxtX,
          &w.TxtY,
          &w.CmdExit,
          &w.CmdDraw,
          &w.TxtRotations,
          &w.CmdClear,
          &w.CmdRandom,
          &w.TxtResolution,
          &w.ChkScale,
          &w.ChkColor,
          &w.ChkResolution,
          &w.ChkAspect,
          &w.ChkRatio,
          &w.TxtRotInc,
          &w.TxtPctDec,
          &w.TxtLoop,
          &w.ChkMulti,
          &w.ChkGradient,
          &w.TxtRotStart,
          &w.TxtHoleInc,
          &w.ChkF,
          &w.ChkR1,
          &w.ChkEven,
          &w.ChkClear,
          &w.ChkRotStart,
          &w.TxtPctScale,
          &w.CmdLoadParms,
          &w.CmdSaveParms,
          &w.TxtOff_X,
          &w.TxtOff_Y};
}

}  // namespace

void ShowControlPanel(TrochelaMain& w, bool shown) {
  const auto panel = PanelList(w);
  if (!shown) {
    for (Control* c : panel) c->SetVisible(false);
    return;
  }
  const auto multi = MultiList(w);
  auto isMulti = [&](const Control* c) {
    return std::find(multi.begin(), multi.end(), c) != multi.end();
  };
  // The multi-wheel controls come back with the mode, at the place of the
  // last of them in the panel's order.
  const auto lastMulti = std::find_if(panel.rbegin(), panel.rend(), isMulti).base() - 1;
  for (auto it = panel.begin(); it != panel.end(); ++it) {
    if (!isMulti(*it)) (*it)->SetVisible(true);
    if (it == lastMulti && w.ChkMulti.Value() == 1) ShowMultiControls(w, true);
  }
}

void ShowMultiControls(TrochelaMain& w, bool shown) {
  for (Control* c : MultiList(w)) c->SetVisible(shown);
}

void LockControls(TrochelaMain& w, bool locked) {
  for (Control* c : LockList(w)) c->SetEnabled(!locked);
}

}  // namespace window
