#pragma once
// The canvas written to a picture file by the file's extension: ".svg" as
// vectors (the lines since the picture was last replaced, over that picture),
// ".png" as PNG, anything else as a bitmap. An antialiased PNG redraws the
// lines smoothly from the same vectors; the canvas itself stays as drawn.
#include <string>
#include <string_view>

#include "base/raster.h"

namespace forms {

// A raster alone as a PNG (".png") or bitmap (anything else) file, written as
// SaveCanvas writes.
bool SaveRaster(const base::Image& image, const std::string& path, std::string& reason);

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

// The file bytes of the canvas in `format`, carrying `settings` (a PNG in a
// text chunk, an SVG in its metadata, a bitmap not at all), made in memory
// and checked before anything is written; false with a reason when they
// cannot be made.
bool EncodePicture(const PictureBox& canvas, PictureFormat format, bool antialias,
                   std::string_view settings, std::string& bytes, std::string& reason);

// Writes the canvas to `path` by its ending (the whole file or nothing,
// through base::WriteFileReplacing); false with a reason ("No space left on
// device", "out of memory") when it cannot be written.
bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias,
                std::string_view settings, std::string& reason);
// The same, plain, without settings, for when the reason does not matter.
bool SaveCanvas(const PictureBox& canvas, const std::string& path);

}  // namespace forms
