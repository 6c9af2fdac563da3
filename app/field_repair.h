#pragma once
// The numeric fields select their text when they gain the focus, so that
// typing replaces it, and repair it silently when they lose the focus.
namespace window {
struct TrochelaMain;
}

namespace app {

using window::TrochelaMain;

// Assigns the GotFocus and LostFocus handlers of every numeric field.
void WireFieldRepairs(TrochelaMain& w);

}  // namespace app
