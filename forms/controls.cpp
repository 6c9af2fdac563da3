#include "forms/controls.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "base/numbers.h"
#include "forms/form.h"
#include "forms/qt_views.h"

namespace forms {
namespace {

constexpr int kTwipsPerPixel = 15;

QWidget* ParentWidget(Form& form, Control* parent) {
  return parent ? parent->Widget() : form.Widget();
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* TrueFalse(bool b) { return b ? "True" : "False"; }

}  // namespace

// ---- Control -------------------------------------------------------------

Control::Control(Form& form, std::string name, QWidget* widget)
    : form_(form), name_(std::move(name)), widget_(widget) {
  if (widget_) {
    widget_->setObjectName(Q(name_));
    widget_->setAutoFillBackground(true);  // controls hide the canvas under them
    widget_->installEventFilter(new InputFilter(this, widget_));
    // A mouse button a control does not use stays with it: the canvas under
    // the panel would take it for its own (the right button hides the panel).
    widget_->setAttribute(Qt::WA_NoMousePropagation);
  }
  form_.Register(this);
}

Control::~Control() = default;

void Control::QueueRefresh() {
  refreshQueued_ = true;
  form_.QueueRefresh(this);
}

void Control::SetVisible(bool v) {
  visible_ = v;
  SyncVisibility();
}

void Control::SyncVisibility() {
  if (widget_) widget_->setVisible(visible_);
}

void Control::SetEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  if (!refreshQueued_) QueueRefresh();
}

void Control::RefreshView() {
  if (!widget_ || widget_->isEnabled() == enabled_) return;
  if (!enabled_ && widget_->hasFocus()) {
    // Qt would hand the focus to the next control and raise its GotFocus; the
    // program's focus stays where it was until code or the user moves it.
    form_.ParkQtFocus([this] { widget_->setEnabled(false); });
  } else {
    widget_->setEnabled(enabled_);
  }
}

void Control::SetToolTipText(std::string text) {
  toolTip_ = std::move(text);
  if (widget_) widget_->setToolTip(Q(toolTip_));
}

bool Control::CanTakeFocus() const {
  return widget_ && widget_->focusPolicy() != Qt::NoFocus && widget_->isVisible() && enabled_;
}

bool Control::Reachable() const { return widget_ && widget_->isVisible() && enabled_; }

void Control::SetFocus() {
  if (!CanTakeFocus()) return;
  form_.MoveFocus(this);
}

void Control::Move(const Twips& t) {
  twips_ = t;
  if (widget_)
    widget_->setGeometry(t.left / kTwipsPerPixel, t.top / kTwipsPerPixel,
                         std::max(1, t.width / kTwipsPerPixel),
                         std::max(1, t.height / kTwipsPerPixel));
}

void Control::SetFont(const std::string& family, int pointSize, bool bold) {
  if (!widget_) return;
  QFont f(Q(family), pointSize);
  f.setBold(bold);
  widget_->setFont(f);
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
    : Control(form, std::move(name), new QLineEdit(ParentWidget(form, parent))) {
  auto* edit = static_cast<QLineEdit*>(widget_);
  QObject::connect(edit, &QLineEdit::textEdited,
                   [this](const QString& t) { UserEdited(t.toStdString()); });
}

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  numberValid_ = false;
  auto* edit = static_cast<QLineEdit*>(widget_);
  QSignalBlocker block(edit);
  edit->setText(Q(text_));
}

void TextBox::SetNumber(double v) { SetText(base::FormatNumber(v)); }

void TextBox::UserEdited(std::string text) {
  text_ = std::move(text);
  numberValid_ = false;
}

void TextBox::UserTyped(std::string text) {
  auto* edit = static_cast<QLineEdit*>(widget_);
  {
    QSignalBlocker block(edit);
    edit->setText(QString::fromStdString(text));
  }
  UserEdited(std::move(text));
}

double TextBox::ReadNumber() const {
  auto v = base::ParseNumber(text_);
  number_ = v ? *v : base::Val(text_);
  numberValid_ = true;
  return number_;
}

int TextBox::SelStart() const {
  auto* edit = static_cast<QLineEdit*>(widget_);
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TextBox::SetSelStart(int s) {
  auto* edit = static_cast<QLineEdit*>(widget_);
  edit->setCursorPosition(std::clamp(s, 0, static_cast<int>(edit->text().size())));
}

int TextBox::SelLength() const {
  return static_cast<int>(static_cast<QLineEdit*>(widget_)->selectedText().size());
}

void TextBox::SetSelLength(int n) {
  auto* edit = static_cast<QLineEdit*>(widget_);
  const int start = SelStart();
  const int len = std::clamp(n, 0, static_cast<int>(edit->text().size()) - start);
  edit->setSelection(start, len);
}

bool TextBox::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Text")
    out = text_;
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
    : Control(form, std::move(name), new QCheckBox(ParentWidget(form, parent))) {
  auto* box = static_cast<QCheckBox*>(widget_);
  box->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(box, &QCheckBox::clicked, [this](bool) {
    if (enabled_)
      UserClicked();
    else
      SyncChecked();
  });
}

void CheckBox::SyncChecked() {
  auto* box = static_cast<QCheckBox*>(widget_);
  QSignalBlocker block(box);
  box->setCheckState(value_ == 0   ? Qt::Unchecked
                     : value_ == 1 ? Qt::Checked
                                   : Qt::PartiallyChecked);
}

void CheckBox::SetValue(int v) {
  if (v == value_) return;
  value_ = v;
  SyncChecked();
  form_.Raise(Click);
}

void CheckBox::UserClicked() {
  // A click ticks a clear or grey box and clears a ticked one.
  SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::SetCaption(std::string c) {
  caption_ = std::move(c);
  static_cast<QCheckBox*>(widget_)->setText(Q(caption_));
}

bool CheckBox::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Value")
    out = std::to_string(value_);
  else if (prop == "Caption")
    out = caption_;
  else
    return Control::Property(prop, out);
  return true;
}

// ---- OptionButton --------------------------------------------------------

OptionButton::OptionButton(Form& form, std::string name, Control* parent)
    : Control(form, std::move(name), new QRadioButton(ParentWidget(form, parent))),
      container_(parent) {
  auto* radio = static_cast<QRadioButton*>(widget_);
  radio->setAutoExclusive(false);  // the group is kept here, with its notifications
  radio->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(radio, &QRadioButton::clicked, [this](bool) {
    if (enabled_)
      UserClicked();
    else
      SetValue(value_);
  });
}

void OptionButton::SetValue(bool v) {
  auto* radio = static_cast<QRadioButton*>(widget_);
  if (v == value_) {
    QSignalBlocker block(radio);
    radio->setChecked(v);
    return;
  }
  value_ = v;
  {
    QSignalBlocker block(radio);
    radio->setChecked(v);
  }
  if (!v) return;
  for (Control* c : form_.Controls()) {
    auto* other = dynamic_cast<OptionButton*>(c);
    if (other && other != this && other->container_ == container_ && other->value_) {
      other->value_ = false;
      QSignalBlocker block(other->widget_);
      static_cast<QRadioButton*>(other->widget_)->setChecked(false);
    }
  }
  form_.Raise(Click);
}

void OptionButton::UserClicked() {
  if (value_) {
    SetValue(true);  // keeps the option selected; a click never clears it
    form_.Raise(Click);
  } else {
    SetValue(true);
  }
}

void OptionButton::SetCaption(std::string c) {
  caption_ = std::move(c);
  static_cast<QRadioButton*>(widget_)->setText(Q(caption_));
}

bool OptionButton::Property(std::string_view prop, std::string& out) const {
  if (prop.empty() || prop == "Value")
    out = TrueFalse(value_);
  else if (prop == "Caption")
    out = caption_;
  else
    return Control::Property(prop, out);
  return true;
}

// ---- CommandButton -------------------------------------------------------

CommandButton::CommandButton(Form& form, std::string name, Control* parent)
    : Control(form, std::move(name), new QPushButton(ParentWidget(form, parent))) {
  auto* button = static_cast<QPushButton*>(widget_);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [this](bool) {
    if (enabled_) form_.Raise(Click);
    SyncPressed();  // Qt toggles a pushed-in button by itself; the program decides
  });
}

void CommandButton::SetPressed(bool p) {
  pressed_ = p;
  SyncPressed();
}

void CommandButton::SyncPressed() {
  auto* button = static_cast<QPushButton*>(widget_);
  if (!button->isCheckable() && !pressed_) return;
  button->setCheckable(true);
  QSignalBlocker block(button);
  button->setChecked(pressed_);
}

void CommandButton::SetCaption(std::string c) {
  caption_ = std::move(c);
  static_cast<QPushButton*>(widget_)->setText(Q(caption_));
}

void CommandButton::SetBackColor(uint32_t bgr) {
  backColor_ = bgr;
  const uint32_t px = base::ToPixel(bgr) & 0xFFFFFFu;
  widget_->setStyleSheet(
      QString("background-color: #%1; border: 1px solid #808080;").arg(px, 6, 16, QChar('0')));
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
    : Control(form, std::move(name), new QLabel(ParentWidget(form, parent))) {}

void Label::SetCaption(std::string c) {
  showsNumber_ = false;
  if (c == caption_) return;
  caption_ = std::move(c);
  if (!refreshQueued_) QueueRefresh();
}

void Label::RefreshView() {
  Control::RefreshView();
  static_cast<QLabel*>(widget_)->setText(Q(caption_));
}

void Label::ShowNumber(long long n) {
  SetCaption(std::to_string(n));
  showsNumber_ = true;
  shownNumber_ = n;
}

void Label::SetFontUnderline(bool u) {
  underline_ = u;
  QFont f = widget_->font();
  f.setUnderline(u);
  widget_->setFont(f);
}

void Label::SetForeColor(uint32_t bgr) {
  foreColor_ = bgr;
  QPalette p = widget_->palette();
  p.setColor(QPalette::WindowText, QColor::fromRgb(base::ToPixel(bgr)));
  widget_->setPalette(p);
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
    : Control(form, std::move(name), new QGroupBox(ParentWidget(form, parent))) {}

void Frame::SetCaption(std::string c) {
  caption_ = std::move(c);
  static_cast<QGroupBox*>(widget_)->setTitle(Q(caption_));
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
    : Control(form, std::move(name), new QScrollBar(Qt::Horizontal, ParentWidget(form, parent))) {
  auto* bar = static_cast<QScrollBar*>(widget_);
  // A click on the bar takes the focus, so that a field being edited is
  // repaired before the bar's handlers read it.
  bar->setFocusPolicy(Qt::StrongFocus);
  bar->setTracking(false);
  bar->setRange(min_, max_);
  QObject::connect(bar, &QScrollBar::sliderPressed, [this] { dragging_ = true; });
  QObject::connect(bar, &QScrollBar::sliderMoved, [this](int v) { UserDragTo(v); });
  QObject::connect(bar, &QScrollBar::sliderReleased, [this] { UserRelease(); });
  QObject::connect(bar, &QScrollBar::valueChanged, [this](int v) {
    if (!dragging_) UserSet(v);
  });
}

void ScrollBar::ShowValue() {
  auto* bar = static_cast<QScrollBar*>(widget_);
  QSignalBlocker block(bar);
  bar->setRange(std::min(min_, max_), std::max(min_, max_));
  bar->setValue(value_);
  bar->setSliderPosition(value_);
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
  static_cast<QScrollBar*>(widget_)->setPageStep(v);
}

void ScrollBar::SetValue(int v) {
  v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (v == value_) return;
  value_ = v;
  ShowValue();
  form_.Raise(Change);
}

void ScrollBar::UserDragTo(int v) {
  dragging_ = true;
  value_ = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  form_.Raise(Scroll);
}

void ScrollBar::UserRelease() {
  if (!dragging_) return;
  dragging_ = false;
  ShowValue();
  form_.Raise(Change);
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
