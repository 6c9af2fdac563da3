// Rasters as Qt images, one way without a copy and the other with one.
#include <QImage>
#include <algorithm>

#include "base/raster.h"
#include "forms/qt_views.h"

namespace forms {

QImage View(const base::Image& image) {
  return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                static_cast<qsizetype>(image.stride) * 4, QImage::Format_RGB32);
}

base::Image FromQImage(const QImage& source) {
  const QImage img = source.convertToFormat(QImage::Format_RGB32);
  base::Image out(img.width(), img.height(), 0);
  for (int y = 0; y < img.height(); ++y)
    std::copy_n(reinterpret_cast<const uint32_t*>(img.constScanLine(y)), img.width(), out.Row(y));
  return out;
}

}  // namespace forms
