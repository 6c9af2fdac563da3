#pragma once
// A parameter file's checked values applied to a program that has just
// started (model/editor_bars.h), as Load Parms applies them to the window:
// the mode switch, the bars' notifications and the wheel field's repair
// included. Plain code: no window, no toolkit.
#include "files/parms_keys.h"
#include "model/editor_bars.h"

namespace files {

void ApplyParms(model::StartedProgram& p, const ParmsValues& v);

}  // namespace files
