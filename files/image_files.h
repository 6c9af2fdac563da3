#pragma once
// Load Image and Save Image: the canvas picture as a bitmap file.
#include <string>

namespace window {
struct TrochelaMain;
}

namespace files {

// Shows the picture of a chosen file at the canvas's top-left corner at its
// own size (a larger one is clipped); the drawing is replaced, Undo is kept.
// A file that is not a picture is reported and leaves the canvas as it was.
void CmdOpen_Click(window::TrochelaMain& w);

// What Load Image does with the file its dialog chose: shows the picture, or
// tells why it cannot.
void LoadImageChosen(window::TrochelaMain& w, const std::string& path);

// Writes the canvas at its pixel size to the chosen file as a bitmap (PNG or
// SVG when the name ends in ".png" or ".svg"), replacing an old file only once
// the new one is complete.
void CmdSave_Click(window::TrochelaMain& w);

}  // namespace files
