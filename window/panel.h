#pragma once
// Showing, hiding and locking the panel of controls as a whole.
namespace window {

struct TrochelaMain;

// Hides the whole panel (the multi-wheel controls included) so that the
// picture can be seen; shows it again, the multi-wheel controls only in
// multi-wheel mode.
void ShowControlPanel(TrochelaMain& w, bool shown);

// Shows or hides the controls that only multi-wheel mode uses.
void ShowMultiControls(TrochelaMain& w, bool shown);

// Disables the panel's inputs while a picture is drawn, and enables them
// again. STOP, Slide, Snap, the symmetry controls, the scroll bars and the
// canvas stay usable.
void LockControls(TrochelaMain& w, bool locked);

}  // namespace window
