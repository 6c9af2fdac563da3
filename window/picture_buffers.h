#pragma once
// The one level of undo: the picture from before the last change.
namespace window {

struct TrochelaMain;

// Keeps the canvas's picture in Undo before a change to the picture.
void SaveUndo(TrochelaMain& w);

// Backspace on the canvas and on the buttons that change the picture: the
// picture kept in Undo comes back.
void RestoreUndo(TrochelaMain& w);

}  // namespace window
