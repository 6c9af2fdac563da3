// Qt's input events as the program's handlers take them.
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

#include "base/input_codes.h"
#include "forms/controls.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

int ButtonCode(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? base::kLeftButton : 0) |
         (b & Qt::RightButton ? base::kRightButton : 0) |
         (b & Qt::MiddleButton ? base::kMiddleButton : 0);
}

int ShiftCode(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? base::kShiftKey : 0) |
         (m & Qt::ControlModifier ? base::kCtrlKey : 0) | (m & Qt::AltModifier ? base::kAltKey : 0);
}

// The button of a press or release; the buttons held during a move.
int EventButton(const QMouseEvent& e) {
  return ButtonCode(e.type() == QEvent::MouseMove ? e.buttons() : Qt::MouseButtons(e.button()));
}

}  // namespace

bool InputFilter::eventFilter(QObject*, QEvent* event) { return control_.UserInput(*event); }

MouseArgs ControlMouse(const QMouseEvent& e) {
  const QPointF p = e.position();
  return {EventButton(e), ShiftCode(e.modifiers()), static_cast<float>(p.x() * kTwipsPerPixel),
          static_cast<float>(p.y() * kTwipsPerPixel)};
}

KeyArgs ControlKey(const QKeyEvent& e) {
  const int key = e.key();
  int code = 0;
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
    code = key;  // the same codes as their upper-case characters
  else if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    code = base::kKeyF1 + (key - Qt::Key_F1);
  else if (key == Qt::Key_Space)
    code = base::kKeySpace;
  else if (key == Qt::Key_Return || key == Qt::Key_Enter)
    code = base::kKeyReturn;
  else if (key >= Qt::Key_Left && key <= Qt::Key_Down)
    code = base::kKeyLeft + (key - Qt::Key_Left);  // left, up, right, down
  return {code, ShiftCode(e.modifiers())};
}

MouseArgs CanvasMouse(const QMouseEvent& e, const base::Mapping& scale, double pixelRatio) {
  // The device pixel under the pointer, in the picture's user scale.
  const QPointF p = e.position() * pixelRatio;
  return {EventButton(e), ShiftCode(e.modifiers()),
          static_cast<float>(scale.UnitX(static_cast<int>(std::floor(p.x())))),
          static_cast<float>(scale.UnitY(static_cast<int>(std::floor(p.y()))))};
}

}  // namespace forms
