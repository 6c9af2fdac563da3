#include "forms/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "base/numbers.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* TrueFalse(bool b) { return b ? "True" : "False"; }

bool IsPress(const QEvent& e) {
  return e.type() == QEvent::MouseButtonPress || e.type() == QEvent::MouseButtonDblClick;
}

// The options keep their group themselves rather than in Qt's auto-exclusive
// groups, which Qt would report as check boxes; and the program hears a
// box's or option's click, not Qt's own toggling. Assistive technology hears
// radio buttons and check boxes, checked or not, whose press or toggle
// action clicks them as the mouse does.
class ClickableAccessible : public QAccessibleWidget {
 public:
  ClickableAccessible(QAbstractButton* b, QAccessible::Role role) : QAccessibleWidget(b, role) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Button().isChecked();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() || action == toggleAction())
      Button().click();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  QAbstractButton& Button() const { return *static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ClickableAccessibleFor(const QString&, QObject* object) {
  if (auto* option = qobject_cast<QRadioButton*>(object))
    return new ClickableAccessible(option, QAccessible::RadioButton);
  if (auto* box = qobject_cast<QCheckBox*>(object))
    return new ClickableAccessible(box, QAccessible::CheckBox);
  return nullptr;
}

}  // namespace

// ---- Control -------------------------------------------------------------

struct Control::WidgetGuard {
  QPointer<QWidget> widget;
};

Control::Control(Form& form, std::string name, std::unique_ptr<QWidget> widget)
    : form_(form),
      name_(std::move(name)),
      widget_(std::make_unique<WidgetGuard>(WidgetGuard{widget.release()})) {
  static const bool accessible = (QAccessible::installFactory(ClickableAccessibleFor), true);
  (void)accessible;
  if (Widget()) {
    Widget()->setObjectName(Q(name_));
    Widget()->setAutoFillBackground(true);  // controls hide the canvas under them
    // A press belongs to the control under the pointer: what the control does
    // not use goes nowhere, least of all to the canvas under the panel.
    Widget()->setAttribute(Qt::WA_NoMousePropagation);
    filter_ = std::make_unique<InputFilter>(*this);
    Widget()->installEventFilter(filter_.get());
  }
  form_.Register(this);
}

QWidget* Control::Widget() const { return widget_->widget.data(); }

Control::~Control() {
  form_.Unregister(this);
  delete Widget();
}

QWidget* Control::ParentWidget(Form& form, Control* parent) {
  return parent ? parent->Widget() : form.Widget();
}

template <class W>
ControlOf<W>::ControlOf(Form& form, std::string name, Control* parent)
    : Control(form, std::move(name), std::make_unique<W>(ParentWidget(form, parent))),
      view_(static_cast<W*>(Widget())) {}

template class ControlOf<QLineEdit>;
template class ControlOf<QCheckBox>;
template class ControlOf<QRadioButton>;
template class ControlOf<QPushButton>;
template class ControlOf<QLabel>;
template class ControlOf<QGroupBox>;
template class ControlOf<QScrollBar>;

bool Control::UserInput(QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
      return !enabled_;
    case QEvent::KeyPress: {
      if (!enabled_) return true;
      if (KeyDownKept(event)) return true;
      // Only the focused control hears a key: one that a control leaves
      // unused travels up to its containers, the canvas among them.
      auto& ke = static_cast<QKeyEvent&>(event);
      if (!KeyPress || ke.text().isEmpty() || !Widget()->hasFocus()) return false;
      int key = ke.text().at(0).unicode();
      form_.Raise([&] { KeyPress(key); });
      return key == 0;  // a handler that sets the key to 0 swallows it
    }
    default:
      return false;
  }
}

bool Control::KeyDownKept(QEvent& event) {
  if (!KeyDown || !Widget()->hasFocus()) return false;
  const KeyArgs k = ControlKey(static_cast<QKeyEvent&>(event));
  if (k.code == 0) return false;
  int code = k.code;
  form_.Raise([&] { KeyDown(code, k.shift); });
  return code == 0;
}

void Control::SetAccessibleName(std::string name, bool withCaption) {
  accessibleName_ = std::move(name);
  nameWithCaption_ = withCaption;
  ShowAccessibleName();
}

void Control::ShowAccessibleName() {
  if (!Widget() || accessibleName_.empty()) return;
  const QString shown = Q(accessibleName_) + " " + Q(nameWithCaption_ ? NameCaption() : "");
  Widget()->setAccessibleName(shown.trimmed());
}

void Control::SetAccessibleDescription(const std::string& text) {
  if (Widget()) Widget()->setAccessibleDescription(Q(text));
}

void Control::QueueRefresh() {
  refreshQueued_ = true;
  form_.QueueRefresh(this);
}

void Control::SetVisible(bool v) {
  visible_ = v;
  SyncVisibility();
}

void Control::SyncVisibility() {
  if (Widget()) Widget()->setVisible(visible_);
}

void Control::SetEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  // Enabling shows at once when the screen has the control greyed already:
  // Qt gives a disabled widget no clicks and no focus. Disabling waits for
  // the refresh; the control ignores the user meanwhile.
  if (e && Widget() && !Widget()->isEnabled())
    Widget()->setEnabled(true);
  else if (!refreshQueued_)
    QueueRefresh();
}

void Control::RefreshView() {
  if (!Widget() || Widget()->isEnabled() == enabled_) return;
  if (!enabled_ && Widget()->hasFocus()) {
    // Qt would hand the focus to the next control and raise its GotFocus; the
    // program's focus stays where it was until code or the user moves it.
    form_.ParkQtFocus([this] { Widget()->setEnabled(false); });
  } else {
    Widget()->setEnabled(enabled_);
  }
}

void Control::SetToolTipText(std::string text) {
  toolTip_ = std::move(text);
  if (Widget()) Widget()->setToolTip(Q(toolTip_));
}

// Shown as the program sees it: in a window shown unseen (Form::ShowUnseen),
// which Qt keeps hidden, a control shows when it would in a shown window.
static bool Shown(const QWidget* w) {
  const QWidget* top = w->window();
  return top->testAttribute(Qt::WA_DontShowOnScreen) ? w->isVisibleTo(top) : w->isVisible();
}

bool Control::CanTakeFocus() const {
  return Widget() && Widget()->focusPolicy() != Qt::NoFocus && Shown(Widget()) && enabled_;
}

bool Control::Reachable() const { return Widget() && Shown(Widget()) && enabled_; }

void Control::SetFocus() {
  if (!CanTakeFocus()) return;
  form_.MoveFocus(this);
}

void Control::Move(const Twips& t) {
  twips_ = t;
  if (Widget())
    Widget()->setGeometry(t.left / kTwipsPerPixel, t.top / kTwipsPerPixel,
                         std::max(1, t.width / kTwipsPerPixel),
                         std::max(1, t.height / kTwipsPerPixel));
}

void Control::SetFont(const std::string& family, int pointSize, bool bold) {
  if (!Widget()) return;
  QFont f(Q(family), pointSize);
  f.setBold(bold);
  Widget()->setFont(f);
}

bool Control::Property(std::string_view prop, std::string& out) const {
  if (prop == "Visible")
    out = TrueFalse(visible_);
  else if (prop == "Enabled")
    out = TrueFalse(enabled_);
  else if (prop == "ToolTipText")
    out = toolTip_;
  else
    return false;
  return true;
}

// ---- TextBox -------------------------------------------------------------

TextBox::TextBox(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent) {
  QObject::connect(&QtWidget(), &QLineEdit::textEdited,
                   [this](const QString& t) { UserEdited(t.toStdString()); });
}

void TextBox::SetText(std::string text) {
  if (text == field_->Text()) return;
  field_->Set(std::move(text));
  ShowValue();
}

void TextBox::Bind(model::Field& f) {
  field_ = &f;
  ShowValue();
}

void TextBox::ShowValue() {
  // Compared as the text last shown: a drawing shows its fields at every
  // yield, and almost always nothing changed.
  if (shown_ == field_->Text()) return;
  shown_ = field_->Text();
  QSignalBlocker block(&QtWidget());
  QtWidget().setText(Q(shown_));
  QtWidget().setCursorPosition(0);
}

void TextBox::SetNumber(double v) { SetText(base::FormatNumber(v, base::UserDecimalSeparator())); }

void TextBox::UserEdited(std::string text) {
  shown_ = text;
  field_->Set(std::move(text));
}

void TextBox::UserTyped(std::string text) {
  {
    QSignalBlocker block(&QtWidget());
    QtWidget().setText(Q(text));
  }
  UserEdited(std::move(text));
}

bool TextBox::UserInput(QEvent& event) {
  switch (event.type()) {
    case QEvent::FocusIn:
      // Qt tells the program of the move after this event: a field that the
      // program sees focused already (its Qt focus was parked) gets no
      // GotFocus, and its press places the caret as usual.
      focusByPress_ = static_cast<QFocusEvent&>(event).reason() == Qt::MouseFocusReason &&
                      form_.Focused() != this;
      break;
    case QEvent::FocusOut: {
      focusByPress_ = pressHeld_ = false;
      // Left for another control, the field shows the start of its text; a
      // menu or another window taking the keyboard leaves the caret alone.
      const Qt::FocusReason reason = static_cast<QFocusEvent&>(event).reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        QtWidget().setCursorPosition(0);
      break;
    }
    case QEvent::MouseButtonPress:
      if (focusByPress_ && enabled_) {
        focusByPress_ = false;
        pressHeld_ = true;
        return true;
      }
      focusByPress_ = false;
      break;
    case QEvent::MouseMove:
      if (pressHeld_) return true;
      break;
    case QEvent::MouseButtonRelease:
      if (pressHeld_) {
        pressHeld_ = false;
        return true;
      }
      break;
    default:
      break;
  }
  return Control::UserInput(event);
}

int TextBox::SelStart() const {
  return QtWidget().hasSelectedText() ? QtWidget().selectionStart() : QtWidget().cursorPosition();
}

void TextBox::SetSelStart(int s) {
  QtWidget().setCursorPosition(std::clamp(s, 0, static_cast<int>(QtWidget().text().size())));
}

int TextBox::SelLength() const { return static_cast<int>(QtWidget().selectedText().size()); }

void TextBox::SetSelLength(int n) {
  const int start = SelStart();
  const int len = std::clamp(n, 0, static_cast<int>(QtWidget().text().size()) - start);
  QtWidget().setSelection(start, len);
}

bool TextBox::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Text")
    out = field_->Text();
  else if (prop == "SelStart")
    out = std::to_string(SelStart());
  else if (prop == "SelLength")
    out = std::to_string(SelLength());
  else
    return Control::Property(prop, out);
  return true;
}

// ---- CheckBox ------------------------------------------------------------

CheckBox::CheckBox(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent) {
  Widget()->setAutoFillBackground(false);  // on the frame's own background
  QtWidget().setFocusPolicy(Qt::StrongFocus);
  QObject::connect(&QtWidget(), &QCheckBox::clicked, [this](bool) {
    if (enabled_)
      UserClicked();
    else
      SyncChecked();
  });
}

bool CheckBox::UserInput(QEvent& event) {
  if (event.type() == QEvent::MouseButtonRelease && enabled_ && MouseUp) {
    // The box toggles while Qt handles this release; MouseUp comes after,
    // with the box showing its new state.
    const MouseArgs m = ControlMouse(static_cast<QMouseEvent&>(event));
    form_.Post([this, m] {
      form_.Raise([&] {
        if (MouseUp && enabled_) MouseUp(m.button, m.shift, m.x, m.y);
      });
    });
  }
  return Control::UserInput(event);
}

void CheckBox::SyncChecked() {
  QSignalBlocker block(&QtWidget());
  QtWidget().setCheckState(*value_ == 0   ? Qt::Unchecked
                           : *value_ == 1 ? Qt::Checked
                                         : Qt::PartiallyChecked);
}

void CheckBox::Bind(int& v) {
  value_ = &v;
  SyncChecked();
}

void CheckBox::SetValue(int v) {
  if (v == *value_) return;
  *value_ = v;
  SyncChecked();
  form_.Raise(Click);
}

void CheckBox::UserClicked() {
  // A click ticks a clear or grey box and clears a ticked one.
  SetValue(*value_ == 1 ? 0 : 1);
}

void CheckBox::SetCaption(std::string c) {
  caption_ = std::move(c);
  QtWidget().setText(Q(caption_));
}

bool CheckBox::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Value")
    out = std::to_string(*value_);
  else if (prop == "Caption")
    out = caption_;
  else
    return Control::Property(prop, out);
  return true;
}

// ---- OptionButton --------------------------------------------------------

OptionButton::OptionButton(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent), container_(parent) {
  Widget()->setAutoFillBackground(false);  // on the frame's own background
  QtWidget().setAutoExclusive(false);     // the group is kept here, with its notifications
  Show(false);
  QObject::connect(&QtWidget(), &QRadioButton::clicked, [this](bool) {
    if (enabled_)
      UserClicked();
    else
      Show(*value_);
  });
}

void OptionButton::Show(bool v) {
  QSignalBlocker block(&QtWidget());
  QtWidget().setChecked(v);
  // Only the selected option is a Tab stop; a click still gives any the focus.
  QtWidget().setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionButton::Bind(bool& v) {
  value_ = &v;
  Show(v);
}

void OptionButton::SetValue(bool v) {
  if (v == *value_) {
    Show(v);
    return;
  }
  *value_ = v;
  Show(v);
  if (!v) return;
  for (Control* c : form_.Controls()) {
    auto* other = dynamic_cast<OptionButton*>(c);
    if (other && other != this && other->container_ == container_ && *other->value_) {
      *other->value_ = false;
      other->Show(false);
    }
  }
  form_.Raise(Click);
}

void OptionButton::UserClicked() {
  if (*value_) {
    SetValue(true);  // keeps the option selected; a click never clears it
    form_.Raise(Click);
  } else {
    SetValue(true);
  }
}

bool OptionButton::UserInput(QEvent& event) {
  if (event.type() != QEvent::KeyPress || !enabled_) return Control::UserInput(event);
  const int key = static_cast<QKeyEvent&>(event).key();
  const int step = key == Qt::Key_Right || key == Qt::Key_Down ? 1
                   : key == Qt::Key_Left || key == Qt::Key_Up  ? -1
                                                               : 0;
  if (step == 0) return Control::UserInput(event);
  // The arrow keys select the next option of the group a user can reach.
  std::vector<OptionButton*> group;
  for (Control* c : form_.Controls()) {
    auto* o = dynamic_cast<OptionButton*>(c);
    if (o && o->container_ == container_ && (o == this || o->Reachable())) group.push_back(o);
  }
  const auto at = std::find(group.begin(), group.end(), this) - group.begin();
  const auto n = static_cast<std::ptrdiff_t>(group.size());
  OptionButton* next = group[(at + step + n) % n];
  next->SetFocus();
  if (next->Reachable()) next->UserClicked();
  return true;
}

void OptionButton::SetCaption(std::string c) {
  caption_ = std::move(c);
  QtWidget().setText(Q(caption_));
}

bool OptionButton::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Value")
    out = TrueFalse(*value_);
  else if (prop == "Caption")
    out = caption_;
  else
    return Control::Property(prop, out);
  return true;
}

// ---- CommandButton -------------------------------------------------------

CommandButton::CommandButton(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent) {
  QtWidget().setFocusPolicy(Qt::StrongFocus);
  QtWidget().setAutoDefault(false);
  QObject::connect(&QtWidget(), &QPushButton::clicked, [this](bool) {
    if (enabled_) form_.Raise(Click);
    SyncPressed();  // Qt toggles a pushed-in button by itself; the program decides
  });
}

bool CommandButton::UserInput(QEvent& event) {
  if (!enabled_) return Control::UserInput(event);
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
      // Every button reaches MouseDown and MouseUp; only the left one clicks.
      const MouseArgs m = ControlMouse(static_cast<QMouseEvent&>(event));
      MouseHandler& h = IsPress(event) ? MouseDown : MouseUp;
      const int hides = hides_;
      form_.Raise([&] {
        if (h) h(m.button, m.shift, m.x, m.y);
      });
      // A handler that hid the button and showed it again (the wheel count
      // does) took Qt's hold of the pointer with it: the button holds it
      // again, so that the release reaches it and it shows pushed in only
      // while the button is held.
      if (IsPress(event) && hides_ != hides && QtWidget().isVisible()) {
        QtWidget().grabMouse();
      } else if (event.type() == QEvent::MouseButtonRelease &&
                 QWidget::mouseGrabber() == &QtWidget()) {
        QtWidget().releaseMouse();
      }
      return false;
    }
    case QEvent::Hide:
      ++hides_;
      return false;

    case QEvent::KeyPress: {
      if (KeyDownKept(event)) return true;
      // Enter presses the focused button, as Space does.
      const int key = static_cast<QKeyEvent&>(event).key();
      if (key != Qt::Key_Return && key != Qt::Key_Enter) return Control::UserInput(event);
      QtWidget().click();
      return true;
    }
    case QEvent::Shortcut: {
      // The access key: the focus moves here first, so that the field being
      // edited is repaired before the click, as with the mouse.
      if (static_cast<QShortcutEvent&>(event).isAmbiguous()) return false;
      SetFocus();
      if (Reachable()) QtWidget().click();
      return true;
    }
    default:
      return Control::UserInput(event);
  }
}

void CommandButton::SetPressed(bool p) {
  pressed_ = p;
  SyncPressed();
}

void CommandButton::SyncPressed() {
  QPushButton& button = QtWidget();
  if (!button.isCheckable() && !pressed_) return;
  button.setCheckable(true);
  QSignalBlocker block(&button);
  button.setChecked(pressed_);
}

void CommandButton::SetCaption(std::string c) {
  caption_ = std::move(c);
  QtWidget().setText(Q(caption_));
  if (nameWithCaption_) ShowAccessibleName();
}

void CommandButton::SetBackColor(uint32_t bgr) {
  backColor_ = bgr;
  const uint32_t px = base::ToPixel(bgr) & 0xFFFFFFu;
  // The rules name the button, so that its tooltip keeps the tooltips' own
  // look; the focus shows as a frame, and the face keeps the colour exactly.
  QtWidget().setStyleSheet(QString("QPushButton { background-color: #%1; border: 1px solid #808080; }"
                                   " QPushButton:focus { border: 2px solid palette(highlight); }")
                               .arg(px, 6, 16, QChar('0')));
}

bool CommandButton::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Caption")
    out = caption_;
  else if (prop == "BackColor")
    out = std::to_string(backColor_);
  else if (prop == "Pressed")
    out = TrueFalse(pressed_);
  else
    return Control::Property(prop, out);
  return true;
}

// ---- Label ---------------------------------------------------------------

Label::Label(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent) {
  Widget()->setAutoFillBackground(false);  // on the frame's own background
}

bool Label::UserInput(QEvent& event) {
  // A click: the left button released over the label it was pressed on.
  if (event.type() == QEvent::MouseButtonRelease && enabled_) {
    auto& me = static_cast<QMouseEvent&>(event);
    if (me.button() == Qt::LeftButton && QtWidget().rect().contains(me.position().toPoint()))
      form_.Raise(Click);
  }
  return Control::UserInput(event);
}

void Label::SetCaption(std::string c) {
  showsNumber_ = false;
  if (c == caption_) return;
  caption_ = std::move(c);
  if (!refreshQueued_) QueueRefresh();
}

void Label::RefreshView() {
  Control::RefreshView();
  const QString text = Q(caption_);
  QtWidget().setText(text);
  // A caption laid out with blanks ("   X") is named without them.
  QtWidget().setAccessibleName(text.trimmed() == text ? QString() : text.trimmed());
}

void Label::ShowNumber(long long n) {
  SetCaption(std::to_string(n));
  showsNumber_ = true;
  shownNumber_ = n;
}

void Label::SetFontUnderline(bool u) {
  underline_ = u;
  QFont f = QtWidget().font();
  f.setUnderline(u);
  QtWidget().setFont(f);
}

void Label::SetForeColor(uint32_t bgr) {
  foreColor_ = bgr;
  QPalette p = QtWidget().palette();
  p.setColor(QPalette::WindowText, QColor::fromRgb(base::ToPixel(bgr)));
  QtWidget().setPalette(p);
}

bool Label::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Caption")
    out = caption_;
  else if (prop == "FontUnderline")
    out = TrueFalse(underline_);
  else if (prop == "ForeColor")
    out = std::to_string(foreColor_);
  else
    return Control::Property(prop, out);
  return true;
}

// ---- Frame ---------------------------------------------------------------

Frame::Frame(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent) {}

void Frame::SetCaption(std::string c) {
  caption_ = std::move(c);
  QtWidget().setTitle(Q(caption_));
}

bool Frame::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Caption")
    out = caption_;
  else
    return Control::Property(prop, out);
  return true;
}

// ---- ScrollBar -----------------------------------------------------------

ScrollBar::ScrollBar(Form& form, std::string name, Control* parent)
    : ControlOf(form, std::move(name), parent) {
  QScrollBar& bar = QtWidget();
  bar.setOrientation(Qt::Horizontal);
  // A click on the bar takes the focus, so that a field being edited is
  // repaired before the bar's handlers read it.
  bar.setFocusPolicy(Qt::StrongFocus);
  // Qt's menu would set the value behind the program's back.
  bar.setContextMenuPolicy(Qt::PreventContextMenu);
  bar.setTracking(false);
  bar.setRange(min_, max_);
  QObject::connect(&bar, &QScrollBar::sliderPressed, [this] {
    dragging_ = true;
    dragStart_ = value_;
    scrolled_ = false;
  });
  QObject::connect(&bar, &QScrollBar::sliderMoved, [this](int v) { UserDragTo(v); });
  QObject::connect(&bar, &QScrollBar::sliderReleased, [this] { UserRelease(); });
  QObject::connect(&bar, &QScrollBar::valueChanged, [this](int v) {
    if (!dragging_) UserSet(v);
  });
}

bool ScrollBar::UserInput(QEvent& event) {
  // The bar answers the left button only.
  if (IsPress(event) && static_cast<QMouseEvent&>(event).button() != Qt::LeftButton) return true;
  return Control::UserInput(event);
}

void ScrollBar::ShowValue() {
  QSignalBlocker block(&QtWidget());
  QtWidget().setRange(std::min(min_, max_), std::max(min_, max_));
  QtWidget().setValue(value_);
  QtWidget().setSliderPosition(value_);
}

void ScrollBar::SetMin(int v) {
  min_ = v;
  ShowValue();
}

void ScrollBar::SetMax(int v) {
  max_ = v;
  ShowValue();
}

void ScrollBar::SetLargeChange(int v) {
  largeChange_ = v;
  QtWidget().setPageStep(v);
}

void ScrollBar::SetValue(int v) {
  v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (v == value_) return;
  value_ = v;
  ShowValue();
  form_.Raise(Change);
}

void ScrollBar::UserDragTo(int v) {
  if (!dragging_) {
    dragging_ = true;
    dragStart_ = value_;
  }
  scrolled_ = true;
  value_ = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  form_.Raise(Scroll);
}

void ScrollBar::UserRelease() {
  if (!dragging_) return;
  dragging_ = false;
  ShowValue();
  // A thumb pressed and let go where it was changes nothing.
  if (scrolled_ || value_ != dragStart_) form_.Raise(Change);
  scrolled_ = false;
}

void ScrollBar::UserSet(int v) { SetValue(v); }

bool ScrollBar::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Value")
    out = std::to_string(value_);
  else if (prop == "Min")
    out = std::to_string(min_);
  else if (prop == "Max")
    out = std::to_string(max_);
  else
    return Control::Property(prop, out);
  return true;
}

}  // namespace forms
