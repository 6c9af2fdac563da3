// The canvas on screen: the picture box's persistent image, repainted only
// where it changed, and the mouse over it.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {

CanvasView::CanvasView(PictureBox& box, QWidget* parent) : QWidget(parent), box_(box) {
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
