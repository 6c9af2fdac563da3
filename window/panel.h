#pragma once
// Showing, hiding and locking the panel of controls as a whole.
namespace window {

struct TrochelaMain;

// Hides the whole panel (the multi-wheel controls included) so that the
// picture can be seen; shows it again, the multi-wheel controls only in
// multi-wheel mode.
void HideControlPanel(TrochelaMain& w);
void ShowControlPanel(TrochelaMain& w);

// Show and hide the controls that only multi-wheel mode uses.
void ShowMultiControls(TrochelaMain& w);
void HideMultiControls(TrochelaMain& w);

// Disable and enable the panel's inputs while a picture is drawn. STOP,
// Slide, Snap, the symmetry controls, the scroll bars and the canvas stay usable.
void LockControls(TrochelaMain& w);
void UnlockControls(TrochelaMain& w);

}  // namespace window
