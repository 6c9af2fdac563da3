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

// Writes the canvas at its pixel size to the chosen file as a bitmap (PNG or
// SVG when the name ends in ".png" or ".svg"), replacing an old file only once the new one is
// complete.
void CmdSave_Click(window::TrochelaMain& w);

// Writes the canvas picture to `path` by its extension (".svg" as vectors over
// the last replaced picture, ".png" as PNG, antialiased from the vectors when
// asked, else a bitmap) through a temporary file beside it; false with the
// reason.
bool SaveCanvasPicture(window::TrochelaMain& w, const std::string& path, std::string& reason,
                       bool antialias = false);

}  // namespace files
