#pragma once
// A raster as the bytes of a 24-bit Windows bitmap file (rows bottom up, each
// padded to four bytes). No Qt here.
#include <string>

#include "base/raster.h"

namespace base {

// The whole file in `out`; its size is known before a byte is written, so a
// picture is either complete or not made at all (std::bad_alloc when the
// memory is not there).
void EncodeBmp(const Image& image, std::string& out);

}  // namespace base
