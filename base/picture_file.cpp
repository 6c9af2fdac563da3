#include "base/picture_file.h"

#include <memory>
#include <new>

#include "base/animation_frames.h"
#include "base/bmp_encoder.h"
#include "base/file_io.h"
#include "base/gif_animation.h"
#include "base/png_chunks.h"
#include "base/png_encoder.h"
#include "base/profile.h"
#include "base/smooth_lines.h"
#include "base/svg_writer.h"
#include "base/webp_animation.h"

namespace base {
namespace {

// The lines with the picture they lie on. When the pixels changed since the
// last line in a way lines cannot tell, or when there were more lines than
// the log keeps, the raster itself is the picture, with no lines on it.
const LineLog& LinesOf(const DrawnPicture& p, LineLog& settled) {
  if (p.linesCurrent && !p.lines.Overflowed()) return p.lines;
  settled.Reset(p.lines.Background(), std::make_shared<const Image>(p.raster));
  return settled;
}

// A PNG the encoder finished: the signature first and the end chunk last. An
// encoder's own answer is not enough: a write into memory that ran short may
// still report success.
bool CompletePng(std::string_view bytes) {
  constexpr std::string_view kEnd("IEND\xae\x42\x60\x82", 8);
  return bytes.size() >= 16 && bytes.substr(0, 8) == kPngSignature &&
         bytes.substr(bytes.size() - 8) == kEnd;
}

}  // namespace

bool KindOfEnding(std::string_view ending, PictureKind& kind) {
  if (SameName(ending, "png"))
    kind = PictureKind::Png;
  else if (SameName(ending, "bmp"))
    kind = PictureKind::Bitmap;
  else if (SameName(ending, "svg"))
    kind = PictureKind::Svg;
  else if (SameName(ending, "webp"))
    kind = PictureKind::Webp;
  else if (SameName(ending, "gif"))
    kind = PictureKind::Gif;
  else
    return false;
  return true;
}

PictureKind KindOfName(std::string_view path) {
  if (EndsWithName(path, ".png")) return PictureKind::Png;
  if (EndsWithName(path, ".svg")) return PictureKind::Svg;
  if (EndsWithName(path, ".webp")) return PictureKind::Webp;
  if (EndsWithName(path, ".gif")) return PictureKind::Gif;
  return PictureKind::Bitmap;
}

Image SmoothPicture(const DrawnPicture& p) {
  LineLog settled;
  const LineLog& log = LinesOf(p, settled);
  Image out = log.Picture() ? *log.Picture() : Image(p.raster.width, p.raster.height, log.Background());
  DrawSmooth(log, out);
  return out;
}

bool EncodePicture(const DrawnPicture& p, PictureKind kind, bool antialias,
                   std::string_view settings, std::string& bytes, std::string& reason,
                   const Animation& animation) {
  if (kind == PictureKind::Webp || kind == PictureKind::Gif) {
    if (kind == PictureKind::Gif && antialias) {
      reason = kGifIsNotSmooth;
      return false;
    }
    const std::optional<FramePlan> plan = PlanFrames(p, reason);
    if (!plan) return false;
    return kind == PictureKind::Webp
               ? EncodeWebpAnimation(p, *plan, animation, antialias, bytes, reason)
               : EncodeGifAnimation(p, *plan, animation, bytes, reason);
  }
  if (kind == PictureKind::Bitmap) {
    EncodeBmp(p.raster, bytes);
    return true;
  }
  if (kind == PictureKind::Svg) {
    LineLog settled;
    const LineLog& log = LinesOf(p, settled);
    std::string png;
    if (log.Picture()) png = Base64(EncodePng(*log.Picture()));
    bytes = SvgDocument(log, p.raster.width, p.raster.height, png, p.lines.Overflowed(), settings);
    return true;
  }
  // Two calls: one expression with both would copy the picture into a
  // temporary one as large as itself.
  std::string png;
  if (antialias)
    png = EncodePng(SmoothPicture(p), settings);
  else
    png = EncodePng(p.raster, settings);
  if (!CompletePng(png)) {
    reason = "the picture could not be encoded";
    return false;
  }
  bytes = std::move(png);
  return true;
}

bool SavePicture(const DrawnPicture& p, const std::string& path, bool antialias,
                 std::string_view settings, std::string& reason, AtLink atLink,
                 const Animation& animation) {
  return SavePictureAs(p, KindOfName(path), path, antialias, settings, reason, atLink, animation);
}

bool SavePictureAs(const DrawnPicture& p, PictureKind kind, const std::string& path,
                   bool antialias, std::string_view settings, std::string& reason,
                   AtLink atLink, const Animation& animation) {
  try {
    std::string bytes;
    return EncodePicture(p, kind, antialias, settings, bytes, reason, animation) &&
           WriteFileReplacing(path, bytes, reason, atLink);
  } catch (const std::bad_alloc&) {
    reason = "out of memory";
    return false;
  }
}

}  // namespace base
