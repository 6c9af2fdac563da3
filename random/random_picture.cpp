#include "random/random_picture.h"

#include "engine/draw_driver.h"
#include "model/random_settings.h"
#include "wheels/show_wheel.h"
#include "window/captions.h"
#include "window/drawing_colour.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace random_pictures {
namespace {

// The window around Random's picks: the new colour is shown with the editor
// and the fields as they stand, and the focus moves to the picture (a field
// left there is repaired), as the colour bar picks one.
class WindowRandom final : public model::RandomHost {
 public:
  WindowRandom(window::TrochelaMain& w, int shown) : w_(w), shown_(shown) {}
  void ColourPicked(model::PictureSettings& s, model::EditorBars& bars) override {
    Show(bars);
    window::SetDrawingColour(w_, s.pen, s.penShown);
    w_.Canvas.SetFocus();
    bars = wheels::BarsOf(w_);
  }
  void Show(const model::EditorBars& bars) {
    wheels::ShowBars(w_, bars, shown_);
    w_.ShowFields();
  }

 private:
  window::TrochelaMain& w_;
  int shown_;
};

// Random's picks and the settings that follow from them (the wheel shown,
// the rotations, the colour, the scale, the resolution), without the drawing.
void PickRandomSettings(window::TrochelaMain& w) {
  const int shown = window::TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
  const model::RandomRules rules{w.ChkColor.Value(),  w.ChkResolution.Value(),
                                 w.ChkEven.Value(),   w.RatioLimit,
                                 w.NegativeSizes,     w.services.ColorDepth(),
                                 shown,               w.DrawingInProgress != 0};
  model::EditorBars bars = wheels::BarsOf(w);
  WindowRandom host(w, shown);
  model::PickRandomSettings(w.picture, bars, w.rnd, rules, w.draw.LoopIndex, &host);
  host.Show(bars);
}

}  // namespace

void CmdRandom_Click(window::TrochelaMain& w) {
  window::SaveUndo(w.Pictures());
  // The last snapped picture is the background of the new one unless the
  // canvas is to be cleared.
  window::StartFromSnapOrBlank(w.Pictures(), w.ChkClear.Value() != 0);
  PickRandomSettings(w);
  engine::DrawChosenRoutine(w);
}

}  // namespace random_pictures
