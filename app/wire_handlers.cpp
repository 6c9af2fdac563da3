#include "app/wire_handlers.h"

#include "app/colours_pen.h"
#include "app/field_repair.h"
#include "app/startup.h"
#include "canvas/canvas_input.h"
#include "engine/draw_driver.h"
#include "files/image_files.h"
#include "files/open_file.h"
#include "files/parameter_file.h"
#include "files/picture_buffers.h"
#include "files/printing.h"
#include "random/colour_bar.h"
#include "random/random_picture.h"
#include "random/slideshow.h"
#include "random/symmetry.h"
#include "wheels/random_flags.h"
#include "wheels/wheel_editor.h"
#include "wheels/wheel_mode.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace app {

// A control raises its notification whenever its value changes, by the user
// or by code, before the write returns: a write such as
// `w.ScrollOffset.SetValue(v)` anywhere in the program runs the handler that
// its line below names (ScrollOffset_Change), and `w.ChkMulti.SetValue(v)`
// runs ChkMulti_Click. Those writes say so where they stand.
void WireHandlers(window::TrochelaMain& w) {
  using namespace canvas;
  using namespace engine;
  using namespace files;
  using namespace random_pictures;
  using namespace wheels;
  using model::BindingOf;
  using model::FieldId;
  // The symmetry's fields take any number.
  static constexpr model::Repair kAnyNumber{"1"};
  const ScaleFields scale{w.TxtX, w.TxtY, w.ChkRatio, w.AspectProportion};
  // clang-format off
  // Control and event                Handler
  w.CmdDraw.Click                   = [&w] { CmdDraw_Click(w); };
  w.CmdDraw.KeyPress                = [&w](int& key) { CmdDraw_KeyPress(w.Canvas, w.Undo, key); };
  w.CmdStop.Click                   = [&w] { CmdStop_Click(w.StopRequested); };
  w.CmdExit.Click                   = [&w] { CmdExit_Click(w.form); };
  w.CmdRandom.Click                 = [&w] { CmdRandom_Click(w); };
  w.CmdSlide.Click                  = [&w] { CmdSlide_Click(w); };
  w.CmdSymmetry.Click               = [&w] { CmdSymmetry_Click(w); };
  w.CmdClear.Click                  = [&w] { CmdClear_Click(w); };
  w.CmdClear.KeyPress               = [&w](int& key) { CmdClear_KeyPress(w.Canvas, w.Undo, key); };
  w.CmdSnap.Click                   = [&w] { CmdSnap_Click(w); };
  w.CmdOpen.Click                   = [&w] { CmdOpen_Click(w); };
  w.CmdSave.Click                   = [&w] { CmdSave_Click(w); };
  w.CmdLoadParms.Click              = [&w] { CmdLoadParms_Click(w); };
  w.form.OnDropFile                 = [&w](const std::string& path) { OpenGivenFile(w, path); };
  w.CmdSaveParms.Click              = [&w] { CmdSaveParms_Click(w); };
  w.CmdPrint.Click                  = [&w] { CmdPrint_Click(w); };
  w.CmdFrame.Click                  = [&w] { CmdFrame_Click(w); };
  w.CmdSetForeColor.Click           = [&w] { CmdSetForeColor_Click(w); };
  w.CmdSetBackColor.Click           = [&w] { CmdSetBackColor_Click(w); };
  w.CmdSetBackColor.KeyPress        = [&w](int& key) { CmdSetBackColor_KeyPress(w.Canvas, w.Undo, key); };
  w.CmdThick.Click                  = [&w] { CmdThick_Click(w.PenStep, w.CmdThick, w.Canvas); };
  w.CmdColorBar.MouseDown           = [&w](int button, int, float, float) { CmdColorBar_MouseDown(w, button); };
  w.CmdColorBar.KeyPress            = [&w](int& key) { CmdColorBar_KeyPress(w.Canvas, w.Undo, key); };
  w.CmdColorBar.KeyDown             = [&w](int& key, int shift) { CmdColorBar_KeyDown(w, key, shift); };
  w.CmdRightScrollWheel.Click       = [&w] { CmdRightScrollWheel_Click(w); };
  w.CmdLeftScrollWheel.Click        = [&w] { CmdLeftScrollWheel_Click(w); };
  w.CmdWheelLimit.MouseDown         = [&w](int button, int, float, float) { CmdWheelLimit_MouseDown(w, button); };
  w.CmdWheelLimit.KeyDown           = [&w](int& key, int) { CmdWheelLimit_KeyDown(w, key); };
  w.ScrollOffset.Change             = [&w] { ScrollOffset_Change(w); };
  w.ScrollOffset.Scroll             = [&w] { ScrollOffset_Scroll(w); };
  w.ScrollRatio.Change              = [&w] { ScrollRatio_Change(w); };
  w.ScrollRatio.Scroll              = [&w] { ScrollRatio_Scroll(w); };
  w.ScrollSize.Change               = [&w] { ScrollSize_Change(w); };
  w.ScrollSize.Scroll               = [&w] { ScrollSize_Scroll(w); };
  w.ChkMulti.Click                  = [&w] { ChkMulti_Click(w); };
  w.ChkF.Click                      = [&w] { ChkF_Click(w); };
  w.ChkR1.MouseUp                   = [&w](int button, int, float, float) { ChkR1_MouseUp(w, button); };
  w.ChkWheelAll.Click               = [&w] { ChkWheelAll_Click(w); };
  w.ChkRatioAll.Click               = [&w] { ChkRatioAll_Click(w); };
  w.ChkAspect.Click                 = [&w] { ChkAspect_Click(w.Canvas); };
  w.ChkClear.Click                  = [&w] { ChkClear_Click(w.Canvas); };
  w.ChkRotStart.Click               = [&w] { ChkRotStart_Click(w.Canvas); };
  w.ChkColor.Click                  = [&w] { ChkColor_Click(w.Canvas); };
  w.ChkResolution.Click             = [&w] { ChkResolution_Click(w.Canvas); };
  w.ChkScale.Click                  = [&w] { ChkScale_Click(w.Canvas); };
  w.LblRatios.Click                 = [&w] { LblRatios_Click(w.LblRatios, w.NegativeSizes); };
  w.Canvas.MouseDown                = [&w](int button, int shift, float, float) { Canvas_MouseDown(w, button, shift); };
  w.Canvas.MouseMove                = [&w](int, int, float x, float y) { Canvas_MouseMove(w.MouseX, w.MouseY, x, y); };
  w.Canvas.KeyPress                 = [&w](int& key) { Canvas_KeyPress(w, key); };
  w.TxtFixed.GotFocus               = [&w] { EditorField_GotFocus(w.TxtFixed, w.ScrollSetByCode); };
  w.TxtFixed.LostFocus              = [&w] { TxtFixed_LostFocus(w); };
  w.TxtRatio1.GotFocus              = [&w] { EditorField_GotFocus(w.TxtRatio1, w.ScrollSetByCode); };
  w.TxtRatio1.LostFocus             = [&w] { TxtRatio1_LostFocus(w); };
  w.TxtX.GotFocus                   = [scale] { ScaleField_GotFocus(scale, scale.x); };
  w.TxtX.LostFocus                  = [scale] { ScaleField_LostFocus(scale, true); };
  w.TxtY.GotFocus                   = [scale] { ScaleField_GotFocus(scale, scale.y); };
  w.TxtY.LostFocus                  = [scale] { ScaleField_LostFocus(scale, false); };
  w.TxtRotations.GotFocus           = [&w] { TextField_GotFocus(w.TxtRotations); };
  w.TxtRotations.LostFocus          = [&w] { RepairField(w.TxtRotations, BindingOf(FieldId::Rotations).repair); };
  w.TxtResolution.GotFocus          = [&w] { TextField_GotFocus(w.TxtResolution); };
  w.TxtResolution.LostFocus         = [&w] { RepairField(w.TxtResolution, BindingOf(FieldId::Resolution).repair); };
  w.TxtPctScale.GotFocus            = [&w] { TextField_GotFocus(w.TxtPctScale); };
  w.TxtPctScale.LostFocus           = [&w] { TxtPctScale_LostFocus(w.TxtPctScale, w.ScrollSetByCode, w.ScrollSize); };
  w.TxtOff_X.GotFocus               = [&w] { TextField_GotFocus(w.TxtOff_X); };
  w.TxtOff_X.LostFocus              = [&w] { RepairField(w.TxtOff_X, BindingOf(FieldId::OffX).repair); };
  w.TxtOff_Y.GotFocus               = [&w] { TextField_GotFocus(w.TxtOff_Y); };
  w.TxtOff_Y.LostFocus              = [&w] { RepairField(w.TxtOff_Y, BindingOf(FieldId::OffY).repair); };
  w.TxtTurn.GotFocus                = [&w] { TextField_GotFocus(w.TxtTurn); };
  w.TxtTurn.LostFocus               = [&w] { RepairField(w.TxtTurn, BindingOf(FieldId::Turn).repair); };
  w.TxtRotStart.GotFocus            = [&w] { TextField_GotFocus(w.TxtRotStart); };
  w.TxtRotStart.LostFocus           = [&w] { RepairField(w.TxtRotStart, BindingOf(FieldId::RotStart).repair); };
  w.TxtLoop.GotFocus                = [&w] { TextField_GotFocus(w.TxtLoop); };
  w.TxtLoop.LostFocus               = [&w] { RepairField(w.TxtLoop, BindingOf(FieldId::Loops).repair); };
  w.TxtPctDec.GotFocus              = [&w] { TextField_GotFocus(w.TxtPctDec); };
  w.TxtPctDec.LostFocus             = [&w] { RepairField(w.TxtPctDec, BindingOf(FieldId::PctDec).repair); };
  w.TxtRotInc.GotFocus              = [&w] { TextField_GotFocus(w.TxtRotInc); };
  w.TxtRotInc.LostFocus             = [&w] { RepairField(w.TxtRotInc, BindingOf(FieldId::RotInc).repair); };
  w.TxtHoleInc.GotFocus             = [&w] { TextField_GotFocus(w.TxtHoleInc); };
  w.TxtHoleInc.LostFocus            = [&w] { RepairField(w.TxtHoleInc, BindingOf(FieldId::HoleInc).repair); };
  w.TxtNStart.GotFocus              = [&w] { TextField_GotFocus(w.TxtNStart); };
  w.TxtNStart.LostFocus             = [&w] { RepairField(w.TxtNStart, kAnyNumber); };
  w.TxtNFactor.GotFocus             = [&w] { TextField_GotFocus(w.TxtNFactor); };
  w.TxtNFactor.LostFocus            = [&w] { RepairField(w.TxtNFactor, kAnyNumber); };
  // Key chords of the whole window               Handler
  w.form.AddShortcut("Ctrl+Z",                    [&w] { window::HistoryBack(w.Pictures()); });
  w.form.AddShortcut("Ctrl+Shift+Z",              [&w] { window::HistoryForward(w.Pictures()); });
  w.form.AddShortcut("Ctrl+Y",                    [&w] { window::HistoryForward(w.Pictures()); });
  w.form.AddShortcut("Ctrl+R",                    [&w] { LblRatios_Shortcut(w.LblRatios, w.NegativeSizes); });
  w.form.AddShortcut("F9",                        [&w] { TogglePanel(w); });
  // clang-format on
}

}  // namespace app
