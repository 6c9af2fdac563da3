#include "window/panel.h"

#include "window/trochela_main.h"

namespace window {
namespace {

void SetLockListEnabled(TrochelaMain& w, bool e) {
  for (forms::Control* c : w.lists.lock) c->SetEnabled(e);
}

}  // namespace

void HideControlPanel(TrochelaMain& w) {
  for (const PanelLists::Member& m : w.lists.panel) m.control->SetVisible(false);
}

void ShowControlPanel(TrochelaMain& w) {
  // The multi-wheel controls come back with the mode, at the place of the
  // last of them in the panel's order.
  size_t lastMulti = 0;
  for (size_t i = 0; i < w.lists.panel.size(); ++i)
    if (w.lists.panel[i].multiOnly) lastMulti = i;
  for (size_t i = 0; i < w.lists.panel.size(); ++i) {
    const PanelLists::Member& m = w.lists.panel[i];
    if (!m.multiOnly) m.control->SetVisible(true);
    if (i == lastMulti && w.ChkMulti.Value() == 1) ShowMultiControls(w);
  }
}

void ShowMultiControls(TrochelaMain& w) {
  for (forms::Control* c : w.lists.multi) c->SetVisible(true);
}

void HideMultiControls(TrochelaMain& w) {
  for (forms::Control* c : w.lists.multi) c->SetVisible(false);
}

void LockControls(TrochelaMain& w) { SetLockListEnabled(w, false); }
void UnlockControls(TrochelaMain& w) { SetLockListEnabled(w, true); }

}  // namespace window
