#include "files/picture_buffers.h"

#include "engine/scale_fit.h"
#include "window/picture_buffers.h"
#include "window/trochela_main.h"

namespace files {

void CmdSnap_Click(window::TrochelaMain& w) { w.SnapPic.SetPictureFromImage(w.Canvas); }

void CmdClear_Click(window::TrochelaMain& w) {
  window::SaveUndo(w);
  if (w.ChkScale.Value() == 1) engine::FitScale(w);
  if (w.ChkClear.Value() == 1)
    w.Canvas.SetPicture({});
  else
    w.Canvas.SetPicture(w.SnapPic.GetPicture());
  w.Canvas.SetFocus();
}

void CmdClear_KeyPress(window::TrochelaMain& w, int keyAscii) {
  if (keyAscii == kBackspace) window::RestoreUndo(w);
}

void CmdDraw_KeyPress(window::TrochelaMain& w, int keyAscii) {
  if (keyAscii == kBackspace) window::RestoreUndo(w);
}

void CmdSetBackColor_KeyPress(window::TrochelaMain& w, int keyAscii) {
  if (keyAscii == kBackspace) window::RestoreUndo(w);
}

}  // namespace files
