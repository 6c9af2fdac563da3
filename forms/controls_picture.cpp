// The picture box: a persistent raster in user scale units, shown on screen by
// a CanvasView that repaints only the changed area, at most about 60 times a
// second, so that showing a drawing never costs more than the drawing itself.
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "base/input_codes.h"
#include "base/numbers.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

// A shown picture box is a canvas view; a buffer has no widget.
std::unique_ptr<QWidget> PictureWidget(PictureBox& box, Form& form, Control* parent, bool shown) {
  if (!shown) return nullptr;
  return std::make_unique<CanvasView>(box, parent ? parent->Widget() : form.Widget());
}

// The logical pixels that show the device pixels of `r` (corners included).
QRect LogicalRect(const base::Rect& r, double ratio) {
  const int x0 = static_cast<int>(std::floor(r.x0 / ratio));
  const int y0 = static_cast<int>(std::floor(r.y0 / ratio));
  const int x1 = static_cast<int>(std::ceil((r.x1 + 1) / ratio));
  const int y1 = static_cast<int>(std::ceil((r.y1 + 1) / ratio));
  return QRect(x0, y0, x1 - x0, y1 - y0);
}

}  // namespace

// ---- PictureBox ----------------------------------------------------------

PictureBox::PictureBox(Form& form, std::string name, Control* parent, bool shown)
    : Control(form, std::move(name), PictureWidget(*this, form, parent, shown)) {
  shown_ = shown;
  if (!shown) visible_ = false;
}

void PictureBox::SetPixelSize(int width, int height) {
  image_ = base::Image(std::max(1, width), std::max(1, height), backColor_);
  blank_ = true;
  map_.width = image_.width;
  map_.height = image_.height;
  if (Widget())
    Widget()->resize(
        LogicalRect(base::Rect{0, 0, image_.width - 1, image_.height - 1}, form_.PixelRatio()).size());
  ResetLines(false);
  // Memory for the lines of a first picture, taken now rather than while
  // it is drawn.
  if (shown_) lines_.Prepare(base::PointStore::kBlockPoints - 1);
  InvalidateAll();
}

void PictureBox::SetBackColor(uint32_t bgr) {
  backColor_ = bgr & 0xFFFFFFu;
  Clear();
  picture_ = {};
  blankOf_.reset();
  ResetLines(false);
  InvalidateAll();
}

void PictureBox::SetMousePointer(int p) {
  mousePointer_ = p;
  if (Widget()) Widget()->setCursor(p == base::kHourglassPointer ? Qt::BusyCursor : Qt::ArrowCursor);
}

int64_t PictureBox::Point(float x, float y) const {
  return image_.Get(map_.PixelX(x), map_.PixelY(y));
}

Picture PictureBox::Image() const { return Picture{std::make_shared<base::Image>(image_)}; }

void PictureBox::SetPicture(const Picture& p) {
  // A buffer keeps the picture itself; a shown box only its pixels, so that
  // the buffers' pictures are not held twice.
  if (!shown_) {
    picture_ = p;
    blankOf_.reset();
  }
  if (p.Empty() || p.image->width == 0) {
    Clear();
    ResetLines(false);
  } else {
    picturePending_ = true;  // the lines start again on this picture
    blank_ = false;
    // A picture of another size is shown from the top left; the rest keeps
    // the background colour.
    const base::Image& src = *p.image;
    if (src.width == image_.width && src.height == image_.height) {
      image_.pixels = src.pixels;
    } else {
      image_.Fill(backColor_);
      const int w = std::min(src.width, image_.width), h = std::min(src.height, image_.height);
      for (int y = 0; y < h; ++y) std::copy_n(src.Row(y), w, image_.Row(y));
    }
  }
  InvalidateAll();
}

void PictureBox::Clear() {
  image_.Fill(backColor_);
  blank_ = true;
}

void PictureBox::MakeBlankPicture() const {
  const Blank b = *blankOf_;
  blankOf_.reset();
  auto& held = picture_.image;
  if (held && held.use_count() == 1 && held->width == b.width && held->height == b.height)
    held->Fill(b.bgr);
  else
    held = std::make_shared<base::Image>(b.width, b.height, b.bgr);
}

void PictureBox::SetPictureFromImage(const PictureBox& source) {
  if (source.blank_ && !shown_) {
    blankOf_ = Blank{source.image_.width, source.image_.height, source.backColor_};
    return;
  }
  blankOf_.reset();
  auto& held = picture_.image;
  if (held && held.use_count() == 1 && held->width == source.image_.width &&
      held->height == source.image_.height) {
    held->pixels = source.image_.pixels;  // same size: no new buffer
    if (shown_) SetPicture(picture_);
  } else {
    SetPicture(source.Image());
  }
}

void PictureBox::RecordLine(double x1, double y1, double x2, double y2) {
  if (picturePending_) ResetLines(true);
  using base::LineLog;
  unsigned up = 0;
  const float fx1 = LineLog::Position(x1, up, LineLog::kUpX0);
  const float fy1 = LineLog::Position(y1, up, LineLog::kUpY0);
  const float fx2 = LineLog::Position(x2, up, LineLog::kUpX1);
  const float fy2 = LineLog::Position(y2, up, LineLog::kUpY1);
  lines_.Add(fx1, fy1, fx2, fy2, foreColor_, drawWidth_, up);
}

PictureBox::LineTarget PictureBox::DrawingTarget() {
  blank_ = false;
  if (!shown_) return {&image_, nullptr};
  if (picturePending_) ResetLines(true);
  return {&image_, &lines_};
}

void PictureBox::ResetLines(bool onPicture) {
  picturePending_ = false;
  if (!shown_) return;
  lines_.Reset(backColor_, onPicture ? std::make_shared<const base::Image>(image_) : nullptr);
}

void PictureBox::InvalidateAll() {
  Invalidate(base::Rect{0, 0, image_.width - 1, image_.height - 1});
}

void PictureBox::RefreshView() {
  Control::RefreshView();
  const base::Rect r = dirty_;
  dirty_ = base::Rect{};
  if (r.Empty() || !Widget()) return;
  // The controls lying over the canvas are opaque: what they cover needs no
  // repaint, and leaving them out spares repainting the whole panel with it.
  QRegion region(LogicalRect(r, form_.PixelRatio()));
  for (QObject* child : Widget()->children()) {
    auto* cw = qobject_cast<QWidget*>(child);
    if (cw && cw->isVisible()) region -= cw->geometry();
  }
  if (!region.isEmpty()) Widget()->update(region);
}

bool PictureBox::Property(std::string_view prop, std::string& out) const {
  if (prop == "ScaleWidth")
    out = base::FormatNumber(ScaleWidth());
  else if (prop == "ScaleHeight")
    out = base::FormatNumber(ScaleHeight());
  else if (prop == "ScaleLeft")
    out = base::FormatNumber(ScaleLeft());
  else if (prop == "ScaleTop")
    out = base::FormatNumber(ScaleTop());
  else if (prop == "MousePointer")
    out = std::to_string(mousePointer_);
  else if (prop == "FillStyle")
    out = std::to_string(fillStyle_);
  else if (prop == "FillColor")
    out = std::to_string(fillColor_);
  else if (prop == "ForeColor")
    out = std::to_string(foreColor_);
  else if (prop == "BackColor")
    out = std::to_string(backColor_);
  else if (prop == "DrawWidth")
    out = std::to_string(drawWidth_);
  else
    return Control::Property(prop, out);
  return true;
}

}  // namespace forms
