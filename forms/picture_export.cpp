#include "forms/picture_export.h"

#include <QString>
#include <memory>
#include <new>

#include "base/bmp_encoder.h"
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

// A PNG the encoder finished: the signature first and the end chunk last. An
// encoder's own answer is not enough: a write into memory that ran short may
// still report success.
bool CompletePng(std::string_view bytes) {
  constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
  constexpr std::string_view kEnd("IEND\xae\x42\x60\x82", 8);
  return bytes.size() >= 16 && bytes.substr(0, 8) == kSignature &&
         bytes.substr(bytes.size() - 8) == kEnd;
}

bool PngFile(std::string png, std::string& bytes, std::string& reason) {
  if (!CompletePng(png)) {
    reason = "the picture could not be encoded";
    return false;
  }
  bytes = std::move(png);
  return true;
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
  // Two calls: one expression with both would copy the canvas into a
  // temporary picture as large as itself.
  if (antialias) return base::EncodePng(SmoothPicture(canvas), settings);
  return base::EncodePng(canvas.Raster(), settings);
}

bool EncodePicture(const PictureBox& canvas, PictureFormat format, bool antialias,
                   std::string_view settings, std::string& bytes, std::string& reason) {
  switch (format) {
    case PictureFormat::Svg:
      bytes = CanvasSvg(canvas, settings);
      return true;
    case PictureFormat::Png:
      return PngFile(CanvasPng(canvas, antialias, settings), bytes, reason);
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
                std::string_view settings, std::string& reason) {
  return SaveEncoded(path, reason, [&](std::string& bytes) {
    return EncodePicture(canvas, FormatOfPath(path), antialias, settings, bytes, reason);
  });
}

bool SaveCanvas(const PictureBox& canvas, const std::string& path) {
  std::string reason;
  return SaveCanvas(canvas, path, false, {}, reason);
}

bool SaveRaster(const base::Image& image, const std::string& path, std::string& reason) {
  return SaveEncoded(path, reason, [&](std::string& bytes) {
    if (FormatOfPath(path) == PictureFormat::Png)
      return PngFile(base::EncodePng(image), bytes, reason);
    base::EncodeBmp(image, bytes);
    return true;
  });
}

}  // namespace forms
