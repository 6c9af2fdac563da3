// The canvas on screen: the picture box's persistent image, repainted only
// where it changed, and the mouse over it.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {

QImage ImageView(const base::Image& image) {
  // The raster's pixels are already in Qt's 32-bit RGB layout.
  return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                image.width * 4, QImage::Format_RGB32);
}

base::Image FromQImage(const QImage& source) {
  const QImage img = source.convertToFormat(QImage::Format_RGB32);
  base::Image out(img.width(), img.height(), 0);
  for (int y = 0; y < img.height(); ++y)
    std::copy_n(reinterpret_cast<const uint32_t*>(img.constScanLine(y)), img.width(), out.Row(y));
  return out;
}

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
  const QImage view = ImageView(img);
  QPainter p(this);
  for (const QRect& r : event->region()) p.drawImage(r.topLeft(), view, r);
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
  // Any button gives the canvas the focus before its MouseDown.
  box_.SetFocus();
  const MouseArgs m = CanvasMouse(*event, box_.Mapping());
  box_.Owner().Raise([&] {
    if (box_.MouseDown) box_.MouseDown(m.button, m.shift, m.x, m.y);
  });
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
  const MouseArgs m = CanvasMouse(*event, box_.Mapping());
  box_.Owner().Raise([&] {
    if (box_.MouseUp) box_.MouseUp(m.button, m.shift, m.x, m.y);
  });
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
  const MouseArgs m = CanvasMouse(*event, box_.Mapping());
  box_.Owner().Raise([&] {
    if (box_.MouseMove) box_.MouseMove(m.button, m.shift, m.x, m.y);
  });
}

}  // namespace forms
