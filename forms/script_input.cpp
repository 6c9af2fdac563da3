// What a scripted user's clicks, mouse buttons, keys, typing and scrolling
// raise on each kind of control: the notifications the mouse and keyboard
// raise there, in the same order.
#include "forms/controls.h"
#include "forms/form.h"

namespace forms {
namespace {

constexpr int kLeftButton = 1;
constexpr int kSpace = 32;

// The mouse handler of `a` among a control's down, up and move handlers (a
// null one for an event the control does not raise).
void RaiseMouse(Form& form, MouseAction a, MouseHandler* down, MouseHandler* up,
                MouseHandler* move, int button, int shift, float x, float y) {
  MouseHandler* h = a == MouseAction::Down ? down : a == MouseAction::Up ? up : move;
  if (h && *h) form.Raise([&] { (*h)(button, shift, x, y); });
}

}  // namespace

void Control::PressKey(int& key) {
  if (KeyPress) form_.Raise([&] { KeyPress(key); });
}

void Control::ScriptKey(int key) { PressKey(key); }

bool TextBox::ScriptType(const std::string& text) {
  SetFocus();
  UserTyped(text);
  return true;
}

void CheckBox::ScriptClick() {
  // A mouse click: the box toggles, then the button's release arrives.
  UserClicked();
  ScriptMouse(MouseAction::Up, kLeftButton, 0, 0, 0);
}

void CheckBox::ScriptMouse(MouseAction a, int button, int shift, float x, float y) {
  RaiseMouse(form_, a, nullptr, &MouseUp, nullptr, button, shift, x, y);
}

void CheckBox::ScriptKey(int key) {
  PressKey(key);
  // Space toggles a check box from the keyboard, without any mouse event.
  if (key == kSpace) UserClicked();
}

void OptionButton::ScriptClick() { UserClicked(); }

void CommandButton::ScriptClick() {
  ScriptMouse(MouseAction::Down, kLeftButton, 0, 0, 0);
  ScriptMouse(MouseAction::Up, kLeftButton, 0, 0, 0);
  form_.Raise(Click);
}

void CommandButton::ScriptMouse(MouseAction a, int button, int shift, float x, float y) {
  RaiseMouse(form_, a, &MouseDown, &MouseUp, nullptr, button, shift, x, y);
}

void Label::ScriptClick() { form_.Raise(Click); }

void ScrollBar::ScriptScroll(const std::vector<int>& values, bool drag) {
  SetFocus();
  if (!drag) {
    for (int v : values) UserSet(v);
    return;
  }
  for (int v : values) UserDragTo(v);
  UserRelease();
}

void PictureBox::ScriptClick() {
  ScriptMouse(MouseAction::Down, kLeftButton, 0, 0, 0);
  ScriptMouse(MouseAction::Up, kLeftButton, 0, 0, 0);
}

void PictureBox::ScriptMouse(MouseAction a, int button, int shift, float x, float y) {
  RaiseMouse(form_, a, &MouseDown, &MouseUp, &MouseMove, button, shift, x, y);
}

}  // namespace forms
