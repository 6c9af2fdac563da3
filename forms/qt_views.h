#pragma once
// The Qt side of the controls: what turns Qt's events into the program's
// notifications, the canvas's on-screen view, and the raster seen as a QImage.
// Only the forms layer includes this.
#include <QImage>
#include <QObject>
#include <QWidget>

#include "base/raster.h"

class QKeyEvent;
class QMouseEvent;

namespace forms {

// The raster's pixels as a QImage without a copy (they are already in Qt's
// 32-bit RGB layout); valid while the image lives and keeps its size.
QImage View(const base::Image& image);
// A copy of any QImage as a raster.
base::Image FromQImage(const QImage& source);

class Control;
class PictureBox;

// Hands a control's widget events to the control (Control::UserInput) before
// the widget sees them.
class InputFilter : public QObject {
 public:
  explicit InputFilter(Control& control) : control_(control) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Control& control_;
};

// A mouse event as the program's handlers take it: button 1 left, 2 right,
// 4 middle (for a move, the buttons held, added up); shift bits 1 Shift,
// 2 Ctrl, 4 Alt; the position in the control's scale units.
struct MouseArgs {
  int button = 0, shift = 0;
  float x = 0, y = 0;
};
// On a control: the position in twips from its top-left corner.
MouseArgs ControlMouse(const QMouseEvent& event);
// A key as KeyDown takes it: its code (0 for a key the program has no code
// for) and the shift keys held.
struct KeyArgs {
  int code = 0, shift = 0;
};
KeyArgs ControlKey(const QKeyEvent& event);
// On a picture box: the position in its user scale.
MouseArgs CanvasMouse(const QMouseEvent& event, const base::Mapping& scale, double pixelRatio);

// The on-screen canvas: shows the picture box's persistent image and repaints
// only what changed, at most about 60 times a second.
class CanvasView : public QWidget {
 public:
  CanvasView(PictureBox& box, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // The focus shows as a frame at the canvas's edges, on screen only.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  PictureBox& box_;
};

}  // namespace forms
