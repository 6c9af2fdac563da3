#pragma once
// The one level of undo, the picture from before the last change; the
// history of the pictures before earlier changes; and the start of a new
// picture from the snapped one.
namespace base {
class PictureHistory;
}
namespace forms {
class PictureBox;
}

namespace window {

// The canvas and the pictures kept beside it: Backspace's one picture
// (Undo), the snapped one and the history.
struct PictureKeep {
  forms::PictureBox& canvas;
  forms::PictureBox& undo;
  const forms::PictureBox& snap;
  base::PictureHistory& history;
};

// Keeps the canvas's picture in Undo before a change to the picture, and
// adds it to the history.
void SaveUndo(const PictureKeep& k);

// Ctrl+Z: the picture before the last change in the history comes back;
// Ctrl+Shift+Z and Ctrl+Y step forward again. Undo (Backspace's picture)
// stays as it is.
void HistoryBack(const PictureKeep& k);
void HistoryForward(const PictureKeep& k);

// Backspace on the canvas and on the buttons that change the picture: the
// picture kept in Undo comes back. Other keys do nothing.
void RestoreUndoOnBackspace(forms::PictureBox& canvas, const forms::PictureBox& undo,
                            int keyAscii);

// The canvas starts again: blank (its background colour only) or from the
// picture taken by Snap. Each caller decides by its own reading of ChkClear.
void StartFromSnapOrBlank(const PictureKeep& k, bool blank);

}  // namespace window
