#include "window/picture_buffers.h"

#include "window/trochela_main.h"

namespace window {

void SaveUndo(TrochelaMain& w) { w.Undo.SetPictureFromImage(w.Canvas); }

void RestoreUndo(TrochelaMain& w) { w.Canvas.SetPicture(w.Undo.GetPicture()); }

}  // namespace window
