#include "random/colour_bar.h"

#include "random/colour_rule.h"
#include "window/picture_buffers.h"
#include "window/trochela_main.h"

namespace random_pictures {
namespace {
constexpr int kLeft = 1, kRight = 2;
constexpr int kBackspace = 8;
}  // namespace

void PickDrawingColour(window::TrochelaMain& w) {
  const base::Rgb c = PickColour(w.rnd, w.services.ColorDepth());
  // The components keep a 256 that a 16-bit display's steps can give; the
  // colour shown uses 255 for it.
  w.DrawRed = c.red;
  w.DrawGreen = c.green;
  w.DrawBlue = c.blue;
  w.CmdColorBar.SetBackColor(ShownColour(c));
  w.Canvas.SetForeColor(w.CmdColorBar.BackColor());
  w.Canvas.SetFocus();
}

void CmdColorBar_MouseDown(window::TrochelaMain& w, int button) {
  const int depth = w.services.ColorDepth();
  if (button == kLeft) {
    PickDrawingColour(w);
  } else if (button == kRight) {
    // The erased drawing stays in Undo. The components describe the drawing
    // colour, which a new background leaves as it is.
    window::SaveUndo(w);
    w.Canvas.SetPicture({});
    w.Canvas.SetBackColor(ShownColour(PickColour(w.rnd, depth)));
  }
}

void CmdColorBar_KeyPress(window::TrochelaMain& w, int keyAscii) {
  if (keyAscii == kBackspace) window::RestoreUndo(w);
}

}  // namespace random_pictures
