#pragma once
// Showing, hiding and locking the panel of controls as a whole.
namespace app {

struct TrochelaMain;

// Hides the whole panel (the multi-wheel controls included) so that the
// picture can be seen; shows it again, the multi-wheel controls only in
// multi-wheel mode.
void HideControlPanel(TrochelaMain& w);
void ShowControlPanel(TrochelaMain& w);

// Disable and enable the panel's inputs while a picture is drawn. STOP,
// Slide, Snap, the symmetry controls, the scroll bars and the canvas stay usable.
void LockControls(TrochelaMain& w);
void UnlockControls(TrochelaMain& w);

}  // namespace app
