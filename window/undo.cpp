#include "window/undo.h"

#include "base/input_codes.h"
#include "window/trochela_main.h"

namespace window {

void SaveUndo(TrochelaMain& w) { w.Undo.SetPictureFromImage(w.Canvas); }

void RestoreUndoOnBackspace(TrochelaMain& w, int keyAscii) {
  if (keyAscii == base::kKeyBackspace) w.Canvas.SetPicture(w.Undo.GetPicture());
}

void StartFromSnapOrBlank(TrochelaMain& w, bool blank) {
  if (blank)
    w.Canvas.SetPicture({});
  else
    w.Canvas.SetPicture(w.SnapPic.GetPicture());
}

}  // namespace window
