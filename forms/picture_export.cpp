#include "forms/picture_export.h"

#include "base/line_log.h"
#include "forms/controls.h"

namespace forms {

base::DrawnPicture Drawn(const PictureBox& canvas) {
  return {canvas.Raster(), canvas.Lines(), canvas.LinesCurrent()};
}

base::Image SmoothPicture(const PictureBox& canvas) { return base::SmoothPicture(Drawn(canvas)); }

std::string CanvasSvg(const PictureBox& canvas, std::string_view settings) {
  std::string bytes, reason;
  base::EncodePicture(Drawn(canvas), base::PictureKind::Svg, false, settings, bytes, reason);
  return bytes;
}

bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias,
                std::string_view settings, std::string& reason) {
  return base::SavePicture(Drawn(canvas), path, antialias, settings, reason);
}

bool SaveCanvas(const PictureBox& canvas, const std::string& path) {
  std::string reason;
  return SaveCanvas(canvas, path, false, {}, reason);
}

bool SaveRaster(const base::Image& image, const std::string& path, std::string& reason) {
  // No lines: the raster is the picture.
  const base::LineLog none;
  const base::PictureKind kind = base::KindOfName(path) == base::PictureKind::Png
                                     ? base::PictureKind::Png
                                     : base::PictureKind::Bitmap;
  return base::SavePictureAs({image, none, false}, kind, path, false, {}, reason);
}

}  // namespace forms
