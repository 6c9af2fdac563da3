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

// Writes the canvas at its pixel size to the chosen file, replacing an old file
// only once the new one is complete. The kind is the name's ending when it is
// ".bmp", ".png" or ".svg" (any case); otherwise the type chosen in the dialog:
// PNG and SVG add their ending, a bitmap keeps the name as typed. The plot
// types (plotter SVG, HPGL, G-code, sand table; .hpgl, .plt, .gcode, .nc
// and .thr by their endings, an .svg with the plotter SVG type) draw the
// picture's settings again as a plot on the page a small dialog asks for.
void CmdSave_Click(window::TrochelaMain& w);

// The name Save Image writes for the name typed and the dialog's type (from 1:
// bitmap, PNG, SVG, plotter SVG, HPGL, G-code, sand table).
std::string SaveImageName(const std::string& typed, int type);

}  // namespace files
