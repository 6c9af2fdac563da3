#include "window/undo.h"

#include <memory>
#include <optional>
#include <utility>

#include "base/input_codes.h"
#include "window/trochela_main.h"

namespace window {

namespace {

void ShowFromHistory(TrochelaMain& w, std::optional<base::Image> picture) {
  if (picture)
    w.Canvas.SetPicture(forms::Picture{std::make_shared<base::Image>(std::move(*picture))});
}

}  // namespace

void SaveUndo(TrochelaMain& w) {
  w.Undo.SetPictureFromImage(w.Canvas);
  // A cleared canvas is kept as its size and colour, as Undo keeps it.
  const base::Image& now = w.Canvas.Raster();
  if (w.Canvas.IsBlank())
    w.history.KeepBlank(now.width, now.height, w.Canvas.BackColor());
  else
    w.history.Keep(now);
}

void HistoryBack(TrochelaMain& w) { ShowFromHistory(w, w.history.Back(w.Canvas.Raster())); }

void HistoryForward(TrochelaMain& w) { ShowFromHistory(w, w.history.Forward(w.Canvas.Raster())); }

void RestoreUndoOnBackspace(forms::PictureBox& canvas, const forms::PictureBox& undo,
                            int keyAscii) {
  if (keyAscii == base::kKeyBackspace) canvas.SetPicture(undo.GetPicture());
}

void StartFromSnapOrBlank(TrochelaMain& w, bool blank) {
  if (blank)
    w.Canvas.SetPicture({});
  else
    w.Canvas.SetPicture(w.SnapPic.GetPicture());
}

}  // namespace window
