#include "window/undo.h"

#include <memory>
#include <optional>
#include <utility>

#include "base/input_codes.h"
#include "base/picture_history.h"
#include "forms/controls.h"

namespace window {

namespace {

void ShowFromHistory(forms::PictureBox& canvas, std::optional<base::Image> picture) {
  if (picture)
    canvas.SetPicture(forms::Picture{std::make_shared<base::Image>(std::move(*picture))});
}

}  // namespace

void SaveUndo(const PictureKeep& k) {
  k.undo.SetPictureFromImage(k.canvas);
  // A cleared canvas is kept as its size and colour, as Undo keeps it.
  const base::Image& now = k.canvas.Raster();
  if (k.canvas.IsBlank())
    k.history.KeepBlank(now.width, now.height, k.canvas.BackColor());
  else
    k.history.Keep(now);
}

void HistoryBack(const PictureKeep& k) {
  ShowFromHistory(k.canvas, k.history.Back(k.canvas.Raster()));
}

void HistoryForward(const PictureKeep& k) {
  ShowFromHistory(k.canvas, k.history.Forward(k.canvas.Raster()));
}

void RestoreUndoOnBackspace(forms::PictureBox& canvas, const forms::PictureBox& undo,
                            int keyAscii) {
  if (keyAscii == base::kKeyBackspace) canvas.SetPicture(undo.GetPicture());
}

void StartFromSnapOrBlank(const PictureKeep& k, bool blank) {
  if (blank)
    k.canvas.SetPicture({});
  else
    k.canvas.SetPicture(k.snap.GetPicture());
}

}  // namespace window
