#pragma once
// The canvas as an SVG document: the background colour, the picture the
// lines were drawn on (an embedded PNG) and then every line in drawing order,
// as polylines with round caps and joins, coordinates in pixels with two
// decimals.
#include <string>
#include <string_view>

#include "base/line_log.h"

namespace base {

// `pngBase64` is the PNG of the picture under the lines (the log's Picture),
// base64-encoded; empty for none. `overflowed` says in a comment that the
// lines were too many to keep as vectors (the picture then holds them).
// `settings`, the parameter file's text, goes into the document's metadata.
std::string SvgDocument(const LineLog& log, int width, int height, std::string_view pngBase64,
                        bool overflowed = false, std::string_view settings = {});

std::string Base64(std::string_view bytes);

}  // namespace base
