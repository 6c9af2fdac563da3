#pragma once
// The main window, TrochelaMain: it owns every piece of the program's state,
// the controls and their values, the per-wheel tables and the drawing state.
// Handlers and routines live in the folder of their subsystem and work on
// this structure.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/drawing_state.h"
#include "base/picture_history.h"
#include "base/rnd.h"
#include "base/wheel_table.h"
#include "drawing/plot_passes.h"
#include "model/bindings.h"
#include "model/picture_settings.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "window/undo.h"

namespace window {

using forms::CheckBox;
using forms::CommandButton;
using forms::Frame;
using forms::Label;
using forms::OptionButton;
using forms::PictureBox;
using forms::ScrollBar;
using forms::TextBox;

struct TrochelaMain {
  explicit TrochelaMain(forms::Services& given);
  TrochelaMain(const TrochelaMain&) = delete;
  TrochelaMain& operator=(const TrochelaMain&) = delete;

  forms::Form form;
  forms::Services& services;
  base::Rnd rnd;
  // The picture's settings: the panel shows and edits them, the drawing draws
  // them. The fields below under their own names are parts of it.
  model::PictureSettings picture = model::StartSettings();

  // The drawing surface and the picture buffers.
  PictureBox Canvas;
  PictureBox Undo;
  PictureBox SnapPic;
  Frame Frame1;

  // Text fields.
  TextBox TxtFixed, TxtRatio1, TxtRotations, TxtResolution, TxtPctScale, TxtX, TxtY, TxtOff_X,
      TxtOff_Y, TxtTurn, TxtRotStart, TxtLoop, TxtPctDec, TxtRotInc, TxtHoleInc, TxtNStart,
      TxtNFactor;

  // Buttons.
  CommandButton CmdDraw, CmdRandom, CmdSlide, CmdStop, CmdClear, CmdSnap, CmdOpen, CmdSave,
      CmdLoadParms, CmdSaveParms, CmdPrint, CmdFrame, CmdSetForeColor, CmdSetBackColor, CmdColorBar,
      CmdThick, CmdSymmetry, CmdWheelLimit, CmdLeftScrollWheel, CmdRightScrollWheel, CmdExit;

  // Check boxes and the outline options.
  CheckBox ChkMulti, ChkClear, ChkScale, ChkAspect, ChkRatio, ChkColor, ChkResolution, ChkGradient,
      ChkRotStart, ChkPen, ChkEven, ChkF, ChkR1, ChkWheelAll, ChkRatioAll;
  OptionButton ChkCircle, ChkTriangle, ChkSquare;

  // Scroll bars.
  ScrollBar ScrollOffset, ScrollRatio, ScrollSize;

  // Labels.
  Label LblSymmetry, LblWheelSelect, LblWheels, LblWheelScroll, LblRatioScroll, LblScrollWheel,
      LblRatios, LblSize, LblTurn, LblRot, LblRes, LblRotations, LblMulti, LblColor, LblXScale,
      Lblyscale, LblOff, LblOff_X, LblOff_Y, LblLoop, LblDec, LblInc, LblHoleInc;

  // Fields of the window.
  std::string StartFolder;
  float& ScreenPixelsX = picture.ScreenPixelsX;
  float& ScreenPixelsY = picture.ScreenPixelsY;
  int32_t& DrawRed = picture.pen.red;
  int32_t& DrawGreen = picture.pen.green;
  int32_t& DrawBlue = picture.pen.blue;
  int16_t StopRequested = 0;
  int16_t DrawingInProgress = 0;
  int16_t DrawFromScroll = 0;
  int16_t ScrollSetByCode = 0;
  int16_t MouseX = 0, MouseY = 0;
  uint32_t FillTargetColor = 0;
  std::string ChosenFileName;
  double AspectProportion = 0;
  int16_t CurrentWheel = 1;
  int16_t& WheelCount = picture.WheelCount;
  std::string SavedWheelCount = model::kStartWheelCount;
  int16_t RatioLimit = 19;
  int16_t SlideshowRunning = 0;
  float& PictureExtent = picture.PictureExtent;
  // The wheel the editor shows ("Wheel #n"), the pen's step (CmdThick) and
  // whether random multi-wheel sizes may be negative (LblRatios underlined).
  int16_t ShownWheelNumber = 1;
  int16_t PenStep = 1;
  bool NegativeSizes = false;

  base::WheelTable& wheels = picture.wheels;

  // The panel's field that shows a number field of the settings.
  TextBox& FieldControl(model::FieldId id) { return *fieldControls[static_cast<size_t>(id)]; }
  // The fields show what the settings hold now, after code wrote them.
  void ShowFields() {
    for (TextBox* f : fieldControls) f->ShowValue();
  }
  std::array<TextBox*, model::kFieldCount> fieldControls{};
  base::DrawingState draw;
  base::PictureHistory history;
  // The canvas with the pictures kept beside it, for Undo and the history.
  PictureKeep Pictures() { return {Canvas, Undo, SnapPic, history}; }
  int SaveImageType = 1;  // the file type Save Image saved last, from 1
  // The page Save Image last plotted on; none until a plot is saved.
  std::optional<forms::PlotPageChoice> PlotPage;
  // The drawings on the canvas since its picture was last replaced, as each
  // started: a plot draws them again.
  std::vector<drawing::DrawingStart> drawingsOnCanvas;
};

}  // namespace window
