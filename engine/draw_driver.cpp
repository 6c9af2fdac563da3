#include "engine/draw_driver.h"

#include "base/input_codes.h"
#include "base/numbers.h"
#include "drawing/draw_picture.h"
#include "window/captions.h"
#include "window/drawing_colour.h"
#include "window/panel.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace engine {
namespace {

using model::Shape;

// The window around a drawing of its own settings.
class WindowHost final : public drawing::Host {
 public:
  explicit WindowHost(window::TrochelaMain& w) : w_(w) {}

  drawing::LineTarget Target(const model::PictureSettings&) override {
    const forms::PictureBox::LineTarget t = w_.Canvas.DrawingTarget();
    return {t.image, t.log, w_.Canvas.Mapping(), w_.Canvas.ForeColor(), w_.Canvas.DrawWidth()};
  }
  const int16_t& StopFlag() const override { return w_.StopRequested; }
  int ColorDepth() const override { return w_.services.ColorDepth(); }

  void Started(model::PictureSettings& s) override {
    // A drawing on a canvas just cleared, filled or loaded starts its record.
    if (w_.Canvas.Lines().Segments() == 0) w_.drawingsOnCanvas.clear();
    w_.drawingsOnCanvas.push_back({s, w_.draw});
    savedPointer_ = w_.Canvas.MousePointer();
    w_.Canvas.SetMousePointer(base::kHourglassPointer);
    w_.DrawingInProgress = -1;
    w_.StopRequested = 0;
    window::LockControls(w_, true);
    w_.MouseX = 0;
    w_.MouseY = 0;
  }
  void Yield(model::PictureSettings&, const base::Rect& changed) override {
    w_.Canvas.Invalidate(changed);
    w_.ShowFields();
    w_.form.DoEvents();
  }
  void PassDrawn(const base::Rect& changed) override {
    w_.Canvas.Invalidate(changed);
    w_.ShowFields();
  }
  void ShowRotation(long long n) override { w_.LblRot.SetCaptionNumber(n); }
  void PenMoved(model::PictureSettings& s) override {
    w_.ShowFields();
    if (w_.ShownWheelNumber != 3) return;
    w_.ScrollSetByCode = -1;
    w_.TxtFixed.SetNumber(s.wheels.WheelSize[3]);
    // A pen between 450.5 and 451 rounds outside the bar: it shows the end.
    w_.ScrollOffset.SetValue(base::ToInt16(w_.TxtFixed.Number()));  // raises ScrollOffset_Change
  }
  void ColourStepped(model::PictureSettings& s) override {
    window::SetDrawingColour(w_, s.pen, s.penShown);
  }
  void Ended(model::PictureSettings&) override {
    w_.StopRequested = 0;
    w_.DrawingInProgress = 0;
    window::LockControls(w_, false);
  }
  void PenRestored(model::PictureSettings& s) override {
    w_.ShowFields();
    if (w_.ShownWheelNumber == 3)
      w_.ScrollOffset.SetValue(base::ToInt16(s.wheels.WheelSize[3]));  // raises ScrollOffset_Change
  }
  // After the restores.
  void Finished() {
    w_.ShowFields();
    w_.Canvas.SetMousePointer(savedPointer_);
    w_.Canvas.SetFocus();
  }

 private:
  window::TrochelaMain& w_;
  int savedPointer_ = 0;
};

void RunDrawing(window::TrochelaMain& w, bool multi, Shape shape) {
  WindowHost host(w);
  drawing::DrawPicture(w.picture, w.draw, host, multi, shape);
  host.Finished();
}

// The six drawing routines.
void DrawSingleCircle(window::TrochelaMain& w) { RunDrawing(w, false, Shape::Circle); }
void DrawSingleTriangle(window::TrochelaMain& w) { RunDrawing(w, false, Shape::Triangle); }
void DrawSingleSquare(window::TrochelaMain& w) { RunDrawing(w, false, Shape::Square); }
void DrawMultiCircle(window::TrochelaMain& w) { RunDrawing(w, true, Shape::Circle); }
void DrawMultiTriangle(window::TrochelaMain& w) { RunDrawing(w, true, Shape::Triangle); }
void DrawMultiSquare(window::TrochelaMain& w) { RunDrawing(w, true, Shape::Square); }


}  // namespace

void CmdDraw_Click(window::TrochelaMain& w) {
  window::SaveUndo(w.Pictures());
  if (w.DrawFromScroll) {
    w.DrawFromScroll = 0;
    const bool blank = w.ChkClear.Value() != 0;
    if (blank || w.ScrollSetByCode) window::StartFromSnapOrBlank(w.Pictures(), blank);
  }
  DrawChosenRoutine(w);
}

void DrawChosenRoutine(window::TrochelaMain& w) {
  // The options are read again after each routine; they are locked while one
  // runs, so exactly one runs.
  if (w.ChkMulti.Value() != 0) {
    if (!w.ChkSquare.Value() && !w.ChkTriangle.Value()) DrawMultiCircle(w);
    if (w.ChkSquare.Value()) DrawMultiSquare(w);
    if (w.ChkTriangle.Value()) DrawMultiTriangle(w);
  } else {
    if (!w.ChkSquare.Value() && !w.ChkTriangle.Value()) DrawSingleCircle(w);
    if (w.ChkSquare.Value()) DrawSingleSquare(w);
    if (w.ChkTriangle.Value()) DrawSingleTriangle(w);
  }
}

}  // namespace engine
