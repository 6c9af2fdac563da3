#include "forms/picture_export.h"

#include <QBuffer>
#include <QString>
#include <memory>

#include "base/file_io.h"
#include "base/png_encoder.h"
#include "base/settings_in_pictures.h"
#include "base/smooth_lines.h"
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

}  // namespace

base::Image SmoothPicture(const PictureBox& canvas) {
  base::LineLog settled;
  const base::LineLog& log = LinesOf(canvas, settled);
  base::Image out = log.Picture() ? *log.Picture()
                                  : base::Image(canvas.PixelWidth(), canvas.PixelHeight(),
                                                log.Background());
  base::DrawSmooth(log, out);
  return out;
}

namespace {

bool WriteWhole(const std::string& path, std::string_view bytes) {
  std::string reason;
  return base::WriteFileReplacing(path, bytes, reason);
}

bool WriteWhole(const std::string& path, const QByteArray& bytes) {
  return WriteWhole(path, std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace

PictureFormat FormatOfPath(const std::string& path) {
  const QString p = QString::fromStdString(path);
  if (p.endsWith(".svg", Qt::CaseInsensitive)) return PictureFormat::Svg;
  if (p.endsWith(".png", Qt::CaseInsensitive)) return PictureFormat::Png;
  return PictureFormat::Bitmap;
}

std::string CanvasSvg(const PictureBox& canvas, std::string_view settings) {
  base::LineLog settled;
  const base::LineLog& log = LinesOf(canvas, settled);
  std::string png;
  if (log.Picture()) png = base::Base64(base::EncodePng(*log.Picture()));
  return base::SvgDocument(log, canvas.PixelWidth(), canvas.PixelHeight(), png,
                           canvas.Lines().Overflowed(), settings);
}

std::string CanvasPng(const PictureBox& canvas, bool antialias, std::string_view settings) {
  return base::EncodePng(antialias ? SmoothPicture(canvas) : canvas.Raster(), settings);
}

bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias,
                std::string_view settings) {
  switch (FormatOfPath(path)) {
    case PictureFormat::Svg:
      return WriteWhole(path, CanvasSvg(canvas, settings));
    case PictureFormat::Png:
      return WriteWhole(path, CanvasPng(canvas, antialias, settings));
    case PictureFormat::Bitmap:
      break;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!View(canvas.Raster()).convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
    return false;
  return WriteWhole(path, bytes);
}

}  // namespace forms
