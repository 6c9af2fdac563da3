#pragma once
// A drawn picture as the bytes of a picture file: PNG, bitmap or SVG (the
// lines since the picture was last replaced, as vectors over that picture),
// a PNG also drawn smoothly from the same vectors, or an animated WebP or GIF
// of those lines drawn again (base/animation_frames.h). The window's canvas
// and pictures drawn without a window are written by the same code.
#include <string>
#include <string_view>

#include "base/animation.h"
#include "base/file_io.h"
#include "base/line_log.h"
#include "base/raster.h"

namespace base {

enum class PictureKind { Bitmap, Png, Svg, Webp, Gif };

// The kind a file name's ending gives (".svg", ".png", ".webp", ".gif", any
// case); anything else is a bitmap.
PictureKind KindOfName(std::string_view path);
// The kind of an ending that names one exactly ("png", "bmp", "svg", "webp",
// "gif", any case); false for any other.
bool KindOfEnding(std::string_view ending, PictureKind& kind);

struct DrawnPicture {
  const Image& raster;
  const LineLog& lines;
  // False when the pixels changed since the last line in a way lines cannot
  // tell: the raster is then the picture, with no lines on it.
  bool linesCurrent;
};

// The picture with its lines redrawn smoothly (base/smooth_lines.h).
Image SmoothPicture(const DrawnPicture& p);

// The file bytes of `p` as `kind`, carrying `settings` (a PNG in a text
// chunk, an SVG in its metadata, a bitmap or an animation not at all),
// checked before they are returned; an animation in the frames `animation`
// gives (a GIF's plain: smooth frames are refused). False with a reason when
// they cannot be made.
bool EncodePicture(const DrawnPicture& p, PictureKind kind, bool antialias,
                   std::string_view settings, std::string& bytes, std::string& reason,
                   const Animation& animation = {});

// Encodes with EncodePicture and writes the file whole (WriteFileReplacing,
// which follows or refuses a link in its place as `atLink` says); memory that
// runs out on the way is a failed save ("out of memory").
bool SavePicture(const DrawnPicture& p, const std::string& path, bool antialias,
                 std::string_view settings, std::string& reason, AtLink atLink = AtLink::Follow,
                 const Animation& animation = {});
// The same as the given kind, whatever the name's ending.
bool SavePictureAs(const DrawnPicture& p, PictureKind kind, const std::string& path,
                   bool antialias, std::string_view settings, std::string& reason,
                   AtLink atLink = AtLink::Follow, const Animation& animation = {});

}  // namespace base
