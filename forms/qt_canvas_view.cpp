// The canvas on screen: the picture box's persistent image, repainted only
// where it changed, and the mouse over it.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

constexpr int kFocusFrame = 2;  // logical pixels

// Assistive technology sees the canvas as a canvas, not as a bare panel.
QAccessibleInterface* CanvasAccessible(const QString&, QObject* object) {
  auto* view = dynamic_cast<CanvasView*>(object);
  return view ? new QAccessibleWidget(view, QAccessible::Canvas) : nullptr;
}

}  // namespace

CanvasView::CanvasView(PictureBox& box, QWidget* parent) : QWidget(parent), box_(box) {
  static const bool installed = (QAccessible::installFactory(CanvasAccessible), true);
  (void)installed;
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Tab reaches the canvas; a press gives it the focus itself, so that a click
  // on a label or the frame over it, which Qt would pass up to the first
  // parent taking the focus on click, leaves the focus where it is.
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
}

void CanvasView::paintEvent(QPaintEvent* event) {
  const base::Image& img = box_.Raster();
  if (img.width == 0) return;
  // The picture's pixels are the screen's device pixels: a logical rectangle
  // shows `ratio` times as many of them.
  const double ratio = box_.Owner().PixelRatio();
  const QImage view = View(img);
  QPainter p(this);
  for (const QRect& r : event->region())
    p.drawImage(QRectF(r), view,
                QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void CanvasView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(QRegion(rect()) - QRegion(rect().adjusted(kFocusFrame, kFocusFrame, -kFocusFrame,
                                                   -kFocusFrame)));
}

void CanvasView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(QRegion(rect()) - QRegion(rect().adjusted(kFocusFrame, kFocusFrame, -kFocusFrame,
                                                   -kFocusFrame)));
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
  // Any button gives the canvas the focus before its MouseDown.
  box_.SetFocus();
  const MouseArgs m = CanvasMouse(*event, box_.Mapping(), box_.Owner().PixelRatio());
  box_.Owner().Raise([&] {
    if (box_.MouseDown) box_.MouseDown(m.button, m.shift, m.x, m.y);
  });
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
  const MouseArgs m = CanvasMouse(*event, box_.Mapping(), box_.Owner().PixelRatio());
  box_.Owner().Raise([&] {
    if (box_.MouseUp) box_.MouseUp(m.button, m.shift, m.x, m.y);
  });
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
  const MouseArgs m = CanvasMouse(*event, box_.Mapping(), box_.Owner().PixelRatio());
  box_.Owner().Raise([&] {
    if (box_.MouseMove) box_.MouseMove(m.button, m.shift, m.x, m.y);
  });
}

}  // namespace forms
