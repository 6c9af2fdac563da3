#pragma once
// A parameter file's checked values applied to a program that has just
// started (model/editor_bars.h), as Load Parms applies them to the window:
// the mode switch, the bars' notifications and the wheel field's repair
// included. Plain code: no window, no toolkit.
#include <string>

#include "files/parms_keys.h"
#include "model/editor_bars.h"

namespace files {

void ApplyParms(model::StartedProgram& p, const ParmsValues& v);

// The settings a program just started on a width x height screen holds once
// the settings text of a parameter file or a picture is loaded (`values` its
// checked values), in the pen colour its [Colour] section gives.
model::PictureSettings SettingsOfText(const std::string& text, const ParmsValues& values,
                                      int width, int height);

// The settings as a save writes them.
ParmsValues ParmsValuesOf(const model::PictureSettings& s);

// The settings as the text of a new parameter file, as Save Parms writes
// them; false with the reason when a field does not hold a number.
bool ParmsText(const model::PictureSettings& s, std::string& text, std::string& reason);

}  // namespace files
