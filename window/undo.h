#pragma once
// The one level of undo, the picture from before the last change, and the
// start of a new picture from the snapped one.
namespace window {

struct TrochelaMain;

// Keeps the canvas's picture in Undo before a change to the picture.
void SaveUndo(TrochelaMain& w);

// Backspace on the canvas and on the buttons that change the picture: the
// picture kept in Undo comes back. Other keys do nothing.
void RestoreUndoOnBackspace(TrochelaMain& w, int keyAscii);

// The canvas starts again: blank (its background colour only) or from the
// picture taken by Snap. Each caller decides by its own reading of ChkClear.
void StartFromSnapOrBlank(TrochelaMain& w, bool blank);

}  // namespace window
