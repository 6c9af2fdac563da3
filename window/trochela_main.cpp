// The main window's construction: every control is made with its name and its
// container. The frame Frame1 and the controls on top of the canvas are
// children of Canvas; the controls listed with Frame1 live inside the frame.
// Qt stacks later siblings above earlier ones, so the panel controls made
// after Frame1 show above it and above the drawing.
#include "window/trochela_main.h"

#include "model/bindings.h"
#include "window/panel_layout.h"

namespace window {

TrochelaMain::TrochelaMain(forms::Services& given)
    : form("TrochelaMain", given),
      services(given),
      Canvas(form, "Canvas", nullptr, true),
      Undo(form, "Undo", &Canvas, false),
      SnapPic(form, "SnapPic", nullptr, false),
      Frame1(form, "Frame1", &Canvas),
      // Text fields.
      TxtFixed(form, "TxtFixed", &Canvas),
      TxtRatio1(form, "TxtRatio1", &Canvas),
      TxtRotations(form, "TxtRotations", &Canvas),
      TxtResolution(form, "TxtResolution", &Canvas),
      TxtPctScale(form, "TxtPctScale", &Canvas),
      TxtX(form, "TxtX", &Canvas),
      TxtY(form, "TxtY", &Canvas),
      TxtOff_X(form, "TxtOff_X", &Frame1),
      TxtOff_Y(form, "TxtOff_Y", &Frame1),
      TxtTurn(form, "TxtTurn", &Canvas),
      TxtRotStart(form, "TxtRotStart", &Canvas),
      TxtLoop(form, "TxtLoop", &Canvas),
      TxtPctDec(form, "TxtPctDec", &Canvas),
      TxtRotInc(form, "TxtRotInc", &Canvas),
      TxtHoleInc(form, "TxtHoleInc", &Canvas),
      TxtNStart(form, "TxtNStart", &Canvas),
      TxtNFactor(form, "TxtNFactor", &Canvas),
      // Buttons.
      CmdDraw(form, "CmdDraw", &Frame1),
      CmdRandom(form, "CmdRandom", &Canvas),
      CmdSlide(form, "CmdSlide", &Frame1),
      CmdStop(form, "CmdStop", &Frame1),
      CmdClear(form, "CmdClear", &Frame1),
      CmdSnap(form, "CmdSnap", &Canvas),
      CmdOpen(form, "CmdOpen", &Canvas),
      CmdSave(form, "CmdSave", &Canvas),
      CmdLoadParms(form, "CmdLoadParms", &Canvas),
      CmdSaveParms(form, "CmdSaveParms", &Canvas),
      CmdPrint(form, "CmdPrint", &Frame1),
      CmdFrame(form, "CmdFrame", &Frame1),
      CmdSetForeColor(form, "CmdSetForeColor", &Canvas),
      CmdSetBackColor(form, "CmdSetBackColor", &Canvas),
      CmdColorBar(form, "CmdColorBar", &Canvas),
      CmdThick(form, "CmdThick", &Canvas),
      CmdSymmetry(form, "CmdSymmetry", &Frame1),
      CmdWheelLimit(form, "CmdWheelLimit", &Frame1),
      CmdLeftScrollWheel(form, "CmdLeftScrollWheel", &Frame1),
      CmdRightScrollWheel(form, "CmdRightScrollWheel", &Frame1),
      CmdExit(form, "CmdExit", &Frame1),
      // Check boxes and the outline options.
      ChkMulti(form, "ChkMulti", &Frame1),
      ChkClear(form, "ChkClear", &Canvas),
      ChkScale(form, "ChkScale", &Frame1),
      ChkAspect(form, "ChkAspect", &Canvas),
      ChkRatio(form, "ChkRatio", &Canvas),
      ChkColor(form, "ChkColor", &Canvas),
      ChkResolution(form, "ChkResolution", &Canvas),
      ChkGradient(form, "ChkGradient", &Canvas),
      ChkRotStart(form, "ChkRotStart", &Canvas),
      ChkPen(form, "ChkPen", &Canvas),
      ChkEven(form, "ChkEven", &Canvas),
      ChkF(form, "ChkF", &Canvas),
      ChkR1(form, "ChkR1", &Frame1),
      ChkWheelAll(form, "ChkWheelAll", &Frame1),
      ChkRatioAll(form, "ChkRatioAll", &Frame1),
      ChkCircle(form, "ChkCircle", &Frame1),
      ChkTriangle(form, "ChkTriangle", &Frame1),
      ChkSquare(form, "ChkSquare", &Frame1),
      // Scroll bars.
      ScrollOffset(form, "ScrollOffset", &Frame1),
      ScrollRatio(form, "ScrollRatio", &Canvas),
      ScrollSize(form, "ScrollSize", &Canvas),
      // Labels: all inside the frame.
      LblSymmetry(form, "LblSymmetry", &Frame1),
      LblWheelSelect(form, "LblWheelSelect", &Frame1),
      LblWheels(form, "LblWheels", &Frame1),
      LblWheelScroll(form, "LblWheelScroll", &Frame1),
      LblRatioScroll(form, "LblRatioScroll", &Frame1),
      LblScrollWheel(form, "LblScrollWheel", &Frame1),
      LblRatios(form, "LblRatios", &Frame1),
      LblSize(form, "LblSize", &Frame1),
      LblTurn(form, "LblTurn", &Frame1),
      LblRot(form, "LblRot", &Frame1),
      LblRes(form, "LblRes", &Frame1),
      LblRotations(form, "LblRotations", &Frame1),
      LblMulti(form, "LblMulti", &Frame1),
      LblColor(form, "LblColor", &Frame1),
      LblXScale(form, "LblXScale", &Frame1),
      Lblyscale(form, "Lblyscale", &Frame1),
      LblOff(form, "LblOff", &Frame1),
      LblOff_X(form, "LblOff_X", &Frame1),
      LblOff_Y(form, "LblOff_Y", &Frame1),
      LblLoop(form, "LblLoop", &Frame1),
      LblDec(form, "LblDec", &Frame1),
      LblInc(form, "LblInc", &Frame1),
      LblHoleInc(form, "LblHoleInc", &Frame1) {
  // The panel's fields and boxes edit the picture's settings.
  for (const model::Binding& b : model::Bindings())
    for (forms::Control* c : form.Controls())
      if (c->Name() == b.control) {
        fieldControls[static_cast<size_t>(b.id)] = dynamic_cast<TextBox*>(c);
        FieldControl(b.id).Bind(picture[b.id]);
      }
  ChkMulti.Bind(picture.Multi);
  ChkScale.Bind(picture.ScaleRefresh);
  ChkAspect.Bind(picture.OneToOne);
  ChkRotStart.Bind(picture.ResetRotStart);
  ChkPen.Bind(picture.ResetPen);
  ChkGradient.Bind(picture.Gradient);
  ChkClear.Bind(picture.ClearOnScroll);
  ChkCircle.Bind(picture.Circle);
  ChkTriangle.Bind(picture.Triangle);
  ChkSquare.Bind(picture.Square);
  BuildPanel(*this);
}

}  // namespace window
