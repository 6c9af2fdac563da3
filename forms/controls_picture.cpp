// The picture box: a persistent raster in user scale units, shown on screen by
// a CanvasView that repaints only the changed area, at most about 60 times a
// second, so that showing a drawing never costs more than the drawing itself.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "base/numbers.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

constexpr int kHourglass = 13;

QWidget* PictureWidget(PictureBox* box, Form& form, Control* parent, bool shown) {
  QWidget* parentWidget = parent ? parent->Widget() : form.Widget();
  if (shown) return new CanvasView(box, parentWidget);
  auto* w = new QWidget(parentWidget);
  w->hide();
  return w;
}

}  // namespace

int ButtonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ShiftCode(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

// ---- PictureBox ----------------------------------------------------------

PictureBox::PictureBox(Form& form, std::string name, Control* parent, bool shown)
    : Control(form, std::move(name), PictureWidget(this, form, parent, shown)) {
  shown_ = shown;
  if (!shown) visible_ = false;
}

void PictureBox::SetPixelSize(int width, int height) {
  image_ = base::Image(std::max(1, width), std::max(1, height), backColor_);
  map_.width = image_.width;
  map_.height = image_.height;
  if (widget_) widget_->resize(image_.width, image_.height);
  ResetLines(false);
  // Memory for the lines of a first picture, taken now rather than while
  // it is drawn.
  if (shown_) lines_.Prepare(base::PointStore::kBlockPoints - 1);
  InvalidateAll();
}

void PictureBox::SetBackColor(uint32_t bgr) {
  backColor_ = bgr & 0xFFFFFFu;
  image_.Fill(backColor_);
  picture_ = {};
  ResetLines(false);
  InvalidateAll();
}

void PictureBox::SetMousePointer(int p) {
  mousePointer_ = p;
  if (widget_) widget_->setCursor(p == kHourglass ? Qt::BusyCursor : Qt::ArrowCursor);
}

int64_t PictureBox::Point(float x, float y) const {
  return image_.Get(map_.PixelX(x), map_.PixelY(y));
}

Picture PictureBox::Image() const { return Picture{std::make_shared<base::Image>(image_)}; }

void PictureBox::SetPicture(const Picture& p) {
  // A buffer keeps the picture itself; a shown box only its pixels, so that
  // the buffers' pictures are not held twice.
  if (!shown_) picture_ = p;
  if (p.Empty() || p.image->width == 0) {
    image_.Fill(backColor_);
    ResetLines(false);
  } else {
    picturePending_ = true;  // the lines start again on this picture
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

void PictureBox::SetPictureFromImage(const PictureBox& source) {
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
  lines_.Add(base::LineLog::Position(x1), base::LineLog::Position(y1), base::LineLog::Position(x2),
             base::LineLog::Position(y2), foreColor_, drawWidth_);
}

PictureBox::LineTarget PictureBox::DrawingTarget() {
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
  if (r.Empty() || !widget_) return;
  // The controls lying over the canvas are opaque: what they cover needs no
  // repaint, and leaving them out spares repainting the whole panel with it.
  QRegion region(QRect(r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1));
  for (QObject* child : widget_->children()) {
    auto* cw = qobject_cast<QWidget*>(child);
    if (cw && cw->isVisible()) region -= cw->geometry();
  }
  if (!region.isEmpty()) widget_->update(region);
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

// ---- CanvasView ----------------------------------------------------------

CanvasView::CanvasView(PictureBox* box, QWidget* parent) : QWidget(parent), box_(box) {
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void CanvasView::paintEvent(QPaintEvent* event) {
  const base::Image& img = box_->Raster();
  if (img.width == 0) return;
  const QImage view = View(img);
  QPainter p(this);
  for (const QRect& r : event->region()) p.drawImage(r.topLeft(), view, r);
}

void CanvasView::Mouse(QMouseEvent* event, int kind) {
  const base::Mapping& m = box_->Mapping();
  const QPointF pos = event->position();
  const float x = static_cast<float>(m.scaleLeft + pos.x() * m.scaleWidth / m.width);
  const float y = static_cast<float>(m.scaleTop + pos.y() * m.scaleHeight / m.height);
  const int shift = ShiftCode(event->modifiers());
  Form& form = box_->Owner();
  if (kind == 0) {
    box_->SetFocus();
    const int button = ButtonCode(event->button());
    form.Raise([&] {
      if (box_->MouseDown) box_->MouseDown(button, shift, x, y);
    });
  } else if (kind == 1) {
    const int button = ButtonCode(event->button());
    form.Raise([&] {
      if (box_->MouseUp) box_->MouseUp(button, shift, x, y);
    });
  } else {
    const int buttons = (event->buttons() & Qt::LeftButton ? 1 : 0) |
                        (event->buttons() & Qt::RightButton ? 2 : 0) |
                        (event->buttons() & Qt::MiddleButton ? 4 : 0);
    form.Raise([&] {
      if (box_->MouseMove) box_->MouseMove(buttons, shift, x, y);
    });
  }
}

void CanvasView::mousePressEvent(QMouseEvent* event) { Mouse(event, 0); }
void CanvasView::mouseReleaseEvent(QMouseEvent* event) { Mouse(event, 1); }
void CanvasView::mouseMoveEvent(QMouseEvent* event) { Mouse(event, 2); }

void CanvasView::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty()) return QWidget::keyPressEvent(event);
  int key = text.at(0).unicode();
  box_->Owner().Raise([&] {
    if (box_->KeyPress) box_->KeyPress(key);
  });
}

// ---- InputFilter ---------------------------------------------------------

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  if (dynamic_cast<CanvasView*>(watched)) return false;  // the view handles its own input
  Form& form = control_->Owner();
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(event);
      const int button = ButtonCode(me->button());
      const int shift = ShiftCode(me->modifiers());
      const float x = static_cast<float>(me->position().x() * 15);
      const float y = static_cast<float>(me->position().y() * 15);
      const bool press = event->type() == QEvent::MouseButtonPress;
      if (auto* b = dynamic_cast<CommandButton*>(control_)) {
        form.Raise([&] {
          auto& h = press ? b->MouseDown : b->MouseUp;
          if (h) h(button, shift, x, y);
        });
      } else if (auto* l = dynamic_cast<Label*>(control_); l && !press && button == 1) {
        form.Raise(l->Click);
      } else if (auto* box = dynamic_cast<CheckBox*>(control_); box && !press && box->MouseUp) {
        // The box toggles while Qt handles this release; MouseUp comes after,
        // with the box showing its new state.
        form.Post([box, button, shift, x, y] {
          box->Owner().Raise([&] {
            if (box->MouseUp && box->Enabled()) box->MouseUp(button, shift, x, y);
          });
        });
      }
      return false;
    }
    case QEvent::KeyPress: {
      auto* ke = static_cast<QKeyEvent*>(event);
      if (!control_->KeyPress || ke->text().isEmpty()) return false;
      int key = ke->text().at(0).unicode();
      form.Raise([&] { control_->KeyPress(key); });
      return key == 0;  // a handler that sets the key to 0 swallows it
    }
    default:
      return false;
  }
}

}  // namespace forms
