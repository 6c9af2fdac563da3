#include "random/colour_bar.h"

#include "base/input_codes.h"
#include "model/random_settings.h"
#include "window/drawing_colour.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace random_pictures {
namespace {

// A random drawing colour for the canvas and the bar (Random picks one the
// same way).
void PickDrawingColour(window::TrochelaMain& w) {
  const base::Rgb c = model::PickColour(w.rnd, w.services.ColorDepth());
  // The components keep a 256 that a 16-bit display's steps can give; the
  // colour shown uses 255 for it.
  window::SetDrawingColour(w, c, model::ShownColour(c));
  w.Canvas.SetFocus();
}

}  // namespace

void CmdColorBar_MouseDown(window::TrochelaMain& w, int button) {
  const int depth = w.services.ColorDepth();
  if (button == base::kLeftButton) {
    PickDrawingColour(w);
  } else if (button == base::kRightButton) {
    // The erased drawing stays in Undo. The components describe the drawing
    // colour, which a new background leaves as it is.
    window::SaveUndo(w.Pictures());
    w.Canvas.SetPicture({});
    w.Canvas.SetBackColor(model::ShownColour(model::PickColour(w.rnd, depth)));
  }
}

void CmdColorBar_KeyDown(window::TrochelaMain& w, int& keyCode, int shift) {
  if (keyCode != base::kKeySpace && keyCode != base::kKeyReturn) return;
  keyCode = 0;
  CmdColorBar_MouseDown(w, (shift & base::kShiftKey) ? base::kRightButton : base::kLeftButton);
}

void CmdColorBar_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii) {
  window::RestoreUndoOnBackspace(canvas, undo, keyAscii);
}

}  // namespace random_pictures
