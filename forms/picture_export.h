#pragma once
// The canvas written to a picture file by the file's ending (base/picture_file.h):
// ".svg" as vectors (the lines since the picture was last replaced, over
// that picture), ".png" as PNG, anything else as a bitmap. An antialiased
// PNG redraws the lines smoothly from the same vectors; the canvas itself
// stays as drawn.
#include <string>
#include <string_view>

#include "base/picture_file.h"
#include "base/raster.h"

namespace forms {

class PictureBox;

// The canvas as a picture that base/picture_file.h writes.
base::DrawnPicture Drawn(const PictureBox& canvas);

// A raster alone as a PNG (".png") or bitmap (anything else) file, written as
// SaveCanvas writes.
bool SaveRaster(const base::Image& image, const std::string& path, std::string& reason);

// The canvas as an SVG document; `settings`, a parameter file's text, goes
// into its metadata.
std::string CanvasSvg(const PictureBox& canvas, std::string_view settings = {});

// The canvas with its lines redrawn smoothly (base/smooth_lines.h).
base::Image SmoothPicture(const PictureBox& canvas);

// Writes the canvas to `path` by its ending (the whole file or nothing,
// through base::WriteFileReplacing); false with a reason ("No space left on
// device", "out of memory") when it cannot be written.
bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias,
                std::string_view settings, std::string& reason);
// The same, plain, without settings, for when the reason does not matter.
bool SaveCanvas(const PictureBox& canvas, const std::string& path);

}  // namespace forms
