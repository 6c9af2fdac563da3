#include "forms/picture_export.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <memory>

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

QColor ColourOf(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

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

bool SaveCanvas(const PictureBox& canvas, const std::string& path, bool antialias) {
  switch (FormatOfPath(path)) {
    case PictureFormat::Svg:
      return WriteWhole(path, CanvasSvg(canvas));
    case PictureFormat::Png:
      return WriteWhole(path, PngBytes(antialias ? Antialiased(canvas) : View(canvas.Raster())));
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
