#pragma once
// The Qt widgets behind the controls. Only the forms layer includes this.
#include <QImage>
#include <QObject>
#include <QWidget>

namespace base {
struct Image;
}

namespace forms {

// The raster's pixels as a QImage without a copy (they are already in Qt's
// 32-bit RGB layout); valid while the image lives and keeps its size.
QImage View(const base::Image& image);
// A copy of any QImage as a raster.
base::Image FromQImage(const QImage& source);

class Control;
class PictureBox;

// Delivers mouse presses, releases and key presses of a control's widget to
// the control's notifications.
class InputFilter : public QObject {
 public:
  InputFilter(Control* control, QObject* parent) : QObject(parent), control_(control) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Control* control_;
};

// The on-screen canvas: shows the picture box's persistent image and repaints
// only what changed, at most about 60 times a second.
class CanvasView : public QWidget {
 public:
  CanvasView(PictureBox* box, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Mouse(QMouseEvent* event, int kind);
  PictureBox* box_;
};

// Mouse button and shift state as the program's handlers take them:
// buttons 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl, 4 Alt.
int ButtonCode(Qt::MouseButton b);
int ShiftCode(Qt::KeyboardModifiers m);

}  // namespace forms
