#pragma once
// Save Parms and Load Parms: the settings that make a picture, kept in a
// ".tra" profile file with the section "Parms".
#include <string>

#include "files/parms_check.h"
#include "files/parms_settings.h"

namespace window {
struct TrochelaMain;
}

namespace files {

// Writes the picture's settings into the chosen file. Keys of the file that
// this save does not write stay as they were; the file is replaced in one
// piece. A field that does not hold a number stops the save before anything
// is written, with a message.
void CmdSaveParms_Click(window::TrochelaMain& w);

// Reads every value of the chosen file and checks it first; a file that cannot
// be read or holds a value the window cannot take changes nothing and is
// reported. A good file is applied with all the side effects of setting the
// controls (the mode switch, the wheel editor on wheel 1). Nothing is drawn.
void CmdLoadParms_Click(window::TrochelaMain& w);

// What Load Parms does with the file its dialog chose: loads it, or tells why
// it cannot.
void LoadParmsChosen(window::TrochelaMain& w, const std::string& path);

// Reads, checks and applies a parameter file, or the settings a picture
// written by the program carries, as Load Parms does after its dialog. False
// with a short reason, and nothing changed, when the file
// cannot be read or holds a value the window cannot take.
bool LoadParmsFile(window::TrochelaMain& w, const std::string& path, std::string& reason);


// Applies checked values to the window, in the order a load sets them.
void ApplyParms(window::TrochelaMain& w, const ParmsValues& v);

}  // namespace files
