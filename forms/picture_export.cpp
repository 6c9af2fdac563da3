#include "forms/picture_export.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <memory>
#include <new>

#include "base/bmp_encoder.h"
#include "base/file_io.h"
#include "base/svg_writer.h"
#include "forms/controls.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

// The lines with the picture they lie on. When the pixels changed since the
// last line in a way lines cannot tell, or when there were more lines than
// the log keeps, the canvas itself is the picture, with no lines on it.
const base::LineLog& LinesOf(const PictureBox& canvas, base::LineLog& settled) {
  if (canvas.LinesCurrent() && !canvas.Lines().Overflowed()) return canvas.Lines();
  settled.Reset(canvas.BackColor(), std::make_shared<const base::Image>(canvas.Raster()));
  return settled;
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A PNG the encoder finished: the signature first and the end chunk last. The
// encoder's own answer is not enough: a write into memory that ran short may
// still report success.
bool CompletePng(const QByteArray& bytes) {
  static const char kSignature[] = "\x89PNG\r\n\x1a\n";
  static const char kEnd[] = "IEND\xae\x42\x60\x82";
  return bytes.startsWith(QByteArray(kSignature, 8)) && bytes.endsWith(QByteArray(kEnd, 8));
}

bool PngFile(const QImage& image, std::string& bytes, std::string& reason) {
  const QByteArray png = PngBytes(image);
  if (!CompletePng(png)) {
    reason = "the picture could not be encoded";
    return false;
  }
  bytes.assign(png.constData(), static_cast<size_t>(png.size()));
  return true;
}

QColor ColourOf(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The lines redrawn with antialiasing over their picture.
QImage Antialiased(const PictureBox& canvas) {
  base::LineLog settled;
  const base::LineLog& log = LinesOf(canvas, settled);
  QImage out(canvas.PixelWidth(), canvas.PixelHeight(), QImage::Format_RGB32);
  out.fill(ColourOf(log.Background()));
  QPainter p(&out);
  if (log.Picture()) p.drawImage(0, 0, View(*log.Picture()));
  p.setRenderHint(QPainter::Antialiasing);
  const auto& points = log.Points();
  for (size_t k = 0; k < log.Runs().size(); ++k) {
    const base::LineRun& run = log.Runs()[k];
    QPen pen(ColourOf(run.bgr), run.width < 1 ? 1 : run.width, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    p.setPen(pen);
    QPolygonF line;
    for (size_t i = run.first; i < log.RunEnd(k); ++i) line << QPointF(points[i].x, points[i].y);
    if (line.size() == 2 && line[0] == line[1])
      p.drawPoint(line[0]);
    else
      p.drawPolyline(line);
  }
  return out;
}

}  // namespace

PictureFormat FormatOfPath(const std::string& path) {
  const QString p = QString::fromStdString(path);
  if (p.endsWith(".svg", Qt::CaseInsensitive)) return PictureFormat::Svg;
  if (p.endsWith(".png", Qt::CaseInsensitive)) return PictureFormat::Png;
  return PictureFormat::Bitmap;
}

std::string CanvasSvg(const PictureBox& canvas) {
  base::LineLog settled;
  const base::LineLog& log = LinesOf(canvas, settled);
  std::string png;
  if (log.Picture()) {
    const QByteArray bytes = PngBytes(View(*log.Picture()));
    png = base::Base64(std::string_view(bytes.constData(), bytes.size()));
  }
  return base::SvgDocument(log, canvas.PixelWidth(), canvas.PixelHeight(), png,
                           canvas.Lines().Overflowed());
}

bool EncodePicture(const PictureBox& canvas, PictureFormat format, bool antialias,
                   std::string& bytes, std::string& reason) {
  switch (format) {
    case PictureFormat::Svg:
      bytes = CanvasSvg(canvas);
      return true;
    case PictureFormat::Png:
      return PngFile(antialias ? Antialiased(canvas) : View(canvas.Raster()), bytes, reason);
    case PictureFormat::Bitmap:
      base::EncodeBmp(canvas.Raster(), bytes);
      return true;
  }
  return false;
}

namespace {

// Encodes with `encode` and writes the bytes whole; memory that runs out on
// the way is a failed save.
template <class Encode>
bool SaveEncoded(const std::string& path, std::string& reason, Encode encode) {
  try {
    std::string bytes;
    return encode(bytes) && base::WriteFileReplacing(path, bytes, reason);
  } catch (const std::bad_alloc&) {
    reason = "out of memory";
    return false;
  }
}

}  // namespace

bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias,
                std::string& reason) {
  return SaveEncoded(path, reason, [&](std::string& bytes) {
    return EncodePicture(canvas, FormatOfPath(path), antialias, bytes, reason);
  });
}

bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias) {
  std::string reason;
  return SaveCanvas(canvas, path, antialias, reason);
}

bool SaveRaster(const base::Image& image, const std::string& path, std::string& reason) {
  return SaveEncoded(path, reason, [&](std::string& bytes) {
    if (FormatOfPath(path) == PictureFormat::Png) return PngFile(View(image), bytes, reason);
    base::EncodeBmp(image, bytes);
    return true;
  });
}

}  // namespace forms
