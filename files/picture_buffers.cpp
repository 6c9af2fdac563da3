#include "files/picture_buffers.h"

#include "engine/scale_fit.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace files {

void CmdSnap_Click(window::TrochelaMain& w) { w.SnapPic.SetPictureFromImage(w.Canvas); }

void CmdClear_Click(window::TrochelaMain& w) {
  window::SaveUndo(w.Pictures());
  if (w.ChkScale.Value() == 1) engine::FitScale(w);
  // Only a plain tick blanks the canvas here.
  window::StartFromSnapOrBlank(w.Pictures(), w.ChkClear.Value() == 1);
  w.Canvas.SetFocus();
}

void CmdClear_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii) {
  window::RestoreUndoOnBackspace(canvas, undo, keyAscii);
}

void CmdDraw_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii) {
  window::RestoreUndoOnBackspace(canvas, undo, keyAscii);
}

void CmdSetBackColor_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii) {
  window::RestoreUndoOnBackspace(canvas, undo, keyAscii);
}

}  // namespace files
