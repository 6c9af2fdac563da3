#pragma once
// The canvas written to a picture file by the file's extension: ".svg" as
// vectors (the lines since the picture was last replaced, over that picture),
// ".png" as PNG, anything else as a bitmap. An antialiased PNG redraws the
// lines smoothly from the same vectors; the canvas itself stays as drawn.
#include <string>
#include <string_view>

#include "base/raster.h"

namespace forms {

class PictureBox;

enum class PictureFormat { Bitmap, Png, Svg };
PictureFormat FormatOfPath(const std::string& path);

// The canvas as an SVG document; `settings`, a parameter file's text, goes
// into its metadata (a PNG carries it in a text chunk, a bitmap not at all).
std::string CanvasSvg(const PictureBox& canvas, std::string_view settings = {});

// The canvas as PNG bytes, drawn smoothly or not, carrying `settings` when
// they are given.
std::string CanvasPng(const PictureBox& canvas, bool antialias, std::string_view settings);

// The canvas with its lines redrawn smoothly (base/smooth_lines.h).
base::Image SmoothPicture(const PictureBox& canvas);

// Writes the canvas to `path` (the whole file or nothing); false when it
// cannot be written.
bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias = false,
                std::string_view settings = {});

}  // namespace forms
