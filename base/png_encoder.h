#pragma once
// The program's own PNG writer: 8-bit RGB, one filter for every row, zlib at
// a chosen level and strategy. Pictures of lines on a plain background are
// long runs of one colour, which zlib's fastest level with its run-length
// strategy packs about as well as the slow default, after the "Up" filter
// has made most rows zeros (docs/architecture.md has the measurement). No Qt
// here.
#include <string>
#include <string_view>

#include "base/raster.h"

namespace base {

struct PngEncoding {
  int level = 1;     // zlib level, 0..9
  int filter = 2;    // the PNG row filter: 0 none, 1 Sub, 2 Up
  bool rle = true;   // zlib's run-length strategy instead of the default
};

// The image as a PNG file; `settings` (when not empty) goes into a text chunk
// after the header (base/settings_in_pictures.h). Empty when the compressor
// could not start (no memory) or failed.
std::string EncodePng(const Image& image, std::string_view settings = {},
                      const PngEncoding& encoding = {});

}  // namespace base
