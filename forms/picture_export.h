#pragma once
// The canvas written to a picture file by the file's extension: ".svg" as
// vectors (the lines since the picture was last replaced, over that picture),
// ".png" as PNG, anything else as a bitmap. An antialiased PNG redraws the
// lines smoothly from the same vectors; the canvas itself stays as drawn.
#include <string>

namespace forms {

class PictureBox;

enum class PictureFormat { Bitmap, Png, Svg };
PictureFormat FormatOfPath(const std::string& path);

// The canvas as an SVG document.
std::string CanvasSvg(const PictureBox& canvas);

// Writes the canvas to `path` (the whole file or nothing); false when it
// cannot be written.
bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias = false);

}  // namespace forms
