#pragma once
// The controls of a window as the program sees them: each keeps its own
// properties (what code set), raises its notifications synchronously when code
// changes a property that notifies, and shows itself through a Qt widget that
// only this layer touches.
//
// Notifications are plain std::function members named after the event
// (Click, Change, Scroll, GotFocus, LostFocus, KeyPress, MouseDown, ...); the
// owner of the window assigns them. An unassigned notification does nothing.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/line_log.h"
#include "base/raster.h"
#include "model/field.h"

class QCheckBox;
class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace forms {

class Form;
class InputFilter;

// Positions and sizes are in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

struct Twips {
  int left = 0, top = 0, width = 0, height = 0;
};

using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
using KeyHandler = std::function<void(int& keyAscii)>;
enum class MouseAction { Down, Up, Move };

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& Name() const { return name_; }

  // What code set, not what the screen shows: a control inside a hidden frame
  // still reads Visible true.
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // What code set. A control disabled by code ignores the user at once, even
  // before the screen shows it greyed.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text);

  // Moves the keyboard focus here: LostFocus of the control that had it, then
  // GotFocus here. Does nothing when the control cannot take the focus (hidden,
  // disabled or not focusable), or already has it.
  void SetFocus();
  bool CanTakeFocus() const;
  // Shown on screen and enabled, its containers included: a user can reach it.
  bool Reachable() const;

  // What assistive technology calls the control; with `withCaption` a button's
  // caption follows the name ("Wheel count 5"). Its description is the
  // tooltip unless one is given here.
  void SetAccessibleName(std::string name, bool withCaption = false);
  void SetAccessibleDescription(const std::string& text);

  void Move(const Twips& t);
  const Twips& Position() const { return twips_; }
  void SetFont(const std::string& family, int pointSize, bool bold);

  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  KeyHandler KeyPress;
  // Any key pressed on the focused control, before KeyPress: its key code
  // (base/input_codes.h) and the shift keys held. A handler that sets the
  // code to 0 keeps the key from the control.
  std::function<void(int& keyCode, int shift)> KeyDown;

  // Property by name as automation prints it; false when the control has none.
  virtual bool Property(std::string_view prop, std::string& out) const;

  // A scripted user's input, raising what the mouse and keys would raise on
  // this kind of control; the caller has checked that the control is
  // reachable and moved the focus. A click with the left button; a mouse
  // button pressed, released or moved over the control at (x, y); a key with
  // its character code. Typing and scrolling do nothing but on a text field
  // (false) and a scroll bar.
  virtual void ScriptClick() {}
  virtual void ScriptMouse(MouseAction, int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void ScriptKey(int key);
  virtual bool ScriptType(const std::string& /*text*/) { return false; }
  // Drags the thumb through `values` and releases it, or sets the value as a
  // click on an arrow or the track would when `values` holds one value and
  // `drag` is false.
  virtual void ScriptScroll(const std::vector<int>& /*values*/, bool /*drag*/) {}

  // Null for a picture box that is only a buffer.
  QWidget* Widget() const;
  Form& Owner() const { return form_; }

  // Brings the screen up to date with the properties; the window calls it at
  // most about 60 times a second for the controls that asked with QueueRefresh.
  // Enabled reaches the screen this way: a short drawing locks and unlocks the
  // panel without repainting it.
  virtual void RefreshView();
  void RefreshDone() { refreshQueued_ = false; }

 protected:
  // The control owns its widget; the widget lies in the parent's widget (the
  // window's when there is no parent). The window declares containers before
  // the controls inside them, so that the contents are destroyed first.
  Control(Form& form, std::string name, std::unique_ptr<QWidget> widget);
  static QWidget* ParentWidget(Form& form, Control* parent);

  // The user's input to the widget, before the widget sees it; true keeps it
  // from the widget. Presses, releases and key presses of a control disabled
  // by code are kept from it here.
  virtual bool UserInput(QEvent& event);
  friend class InputFilter;
  // Raises KeyPress; the handler may change the key.
  void PressKey(int& key);
  // Raises KeyDown for a key press; true when the handler kept the key.
  bool KeyDownKept(QEvent& event);
  // Names the control on screen as SetAccessibleName asked.
  void ShowAccessibleName();
  // What follows the name when asked to (a button's caption).
  virtual std::string NameCaption() const { return {}; }
  std::string accessibleName_;
  bool nameWithCaption_ = false;

  void QueueRefresh();
  bool refreshQueued_ = false;
  void SyncVisibility();

  Form& form_;
  std::string name_;
  // The widget lives in its parent widget, which deletes it with itself; a
  // control that goes first deletes its widget (the guard knows when the
  // parent went first).
  struct WidgetGuard;
  std::unique_ptr<WidgetGuard> widget_;
  std::unique_ptr<InputFilter> filter_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string toolTip_;
  Twips twips_;
};

// A control shown by one kind of Qt widget, which it reaches as QtWidget().
template <class W>
class ControlOf : public Control {
 protected:
  ControlOf(Form& form, std::string name, Control* parent);
  W& QtWidget() const { return *view_; }

 private:
  W* view_;
};

class TextBox : public ControlOf<QLineEdit> {
 public:
  TextBox(Form& form, std::string name, Control* parent);
  const std::string& Text() const { return field_->Text(); }
  // Puts the caret at the start, so that a long number shows its first digits.
  void SetText(std::string text);
  // A number written as the program writes numbers into fields.
  void SetNumber(double v);
  // The text read as a number (model/field.h).
  double Number() const { return field_->Number(); }
  // The field edits the value `f` of a settings value from now on, and shows it.
  void Bind(model::Field& f);
  // Shows the value's text again after code changed the value directly (a
  // drawing writes its settings value, the window shows it at its yields).
  void ShowValue();
  int SelStart() const;
  void SetSelStart(int s);
  int SelLength() const;
  void SetSelLength(int n);
  bool Property(std::string_view prop, std::string& out) const override;

  // The user's typing: the text changes without any notification.
  void UserEdited(std::string text);
  void UserTyped(std::string text);
  bool ScriptType(const std::string& text) override;

 protected:
  bool UserInput(QEvent& event) override;

 private:
  model::Field own_;
  model::Field* field_ = &own_;
  std::string shown_;  // the text the widget shows
  // A press that gave the field the focus keeps the selection its GotFocus
  // made; the press, its drag and its release are kept from the widget.
  bool focusByPress_ = false;
  bool pressHeld_ = false;
};

class CheckBox : public ControlOf<QCheckBox> {
 public:
  CheckBox(Form& form, std::string name, Control* parent);
  int Value() const { return *value_; }  // 0 clear, 1 checked, 2 grey
  // The box edits `v` of a settings value from now on, and shows it.
  void Bind(int& v);
  // Raises Click when the value changes.
  void SetValue(int v);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string c);
  std::function<void()> Click;
  // A mouse button released over the box, after a left click has toggled it.
  MouseHandler MouseUp;
  bool Property(std::string_view prop, std::string& out) const override;
  void UserClicked();  // the user toggled the box
  void ScriptClick() override;
  void ScriptMouse(MouseAction a, int button, int shift, float x, float y) override;
  void ScriptKey(int key) override;

 protected:
  bool UserInput(QEvent& event) override;

 private:
  void SyncChecked();
  int own_ = 0;
  int* value_ = &own_;
  std::string caption_;
};

// The options of one container form a group: one of them is selected, and
// the group is one stop of the Tab key (the selected option); the arrow keys
// select the neighbours.
class OptionButton : public ControlOf<QRadioButton> {
 public:
  OptionButton(Form& form, std::string name, Control* parent);
  bool Value() const { return *value_; }
  // The option edits `v` of a settings value from now on, and shows it.
  void Bind(bool& v);
  // Setting true clears the other options of the same container and raises Click.
  void SetValue(bool v);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string c);
  std::function<void()> Click;
  bool Property(std::string_view prop, std::string& out) const override;
  void UserClicked();
  void ScriptClick() override;

 protected:
  bool UserInput(QEvent& event) override;

 private:
  void Show(bool v);
  Control* container_;
  bool own_ = false;
  bool* value_ = &own_;
  std::string caption_;
};

class CommandButton : public ControlOf<QPushButton> {
 public:
  CommandButton(Form& form, std::string name, Control* parent);
  const std::string& Caption() const { return caption_; }
  // An "&" marks the access key: Alt with that letter moves the focus to the
  // button and clicks it, as the mouse does.
  void SetCaption(std::string c);
  uint32_t BackColor() const { return backColor_; }
  void SetBackColor(uint32_t bgr);
  // Shown pushed in while true (a mode that the button switches on and off).
  bool Pressed() const { return pressed_; }
  void SetPressed(bool p);
  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseUp;
  bool Property(std::string_view prop, std::string& out) const override;
  void ScriptClick() override;
  void ScriptMouse(MouseAction a, int button, int shift, float x, float y) override;

 protected:
  bool UserInput(QEvent& event) override;
  std::string NameCaption() const override { return caption_; }

 private:
  void SyncPressed();
  int hides_ = 0;  // times the button was hidden
  std::string caption_;
  uint32_t backColor_ = 0xC0C0C0;
  bool pressed_ = false;
};

class Label : public ControlOf<QLabel> {
 public:
  Label(Form& form, std::string name, Control* parent);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string c);
  // The caption set to a whole number's text; costs nothing when the caption
  // already shows that number (the drawing sets it at every step).
  void SetCaptionNumber(long long n) {
    if (!showsNumber_ || n != shownNumber_) ShowNumber(n);
  }
  bool FontUnderline() const { return underline_; }
  void SetFontUnderline(bool u);
  uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(uint32_t bgr);
  std::function<void()> Click;
  bool Property(std::string_view prop, std::string& out) const override;
  void RefreshView() override;
  void ScriptClick() override;

 protected:
  bool UserInput(QEvent& event) override;

 private:
  void ShowNumber(long long n);
  std::string caption_;
  long long shownNumber_ = 0;
  bool showsNumber_ = false;
  bool underline_ = false;
  uint32_t foreColor_ = 0;
};

class Frame : public ControlOf<QGroupBox> {
 public:
  Frame(Form& form, std::string name, Control* parent);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string c);
  bool Property(std::string_view prop, std::string& out) const override;

 private:
  std::string caption_;
};

class ScrollBar : public ControlOf<QScrollBar> {
 public:
  ScrollBar(Form& form, std::string name, Control* parent);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v);
  void SetMax(int v);
  int Value() const { return value_; }
  // Raises Change when the value changes (clamped to Min..Max).
  void SetValue(int v);
  void SetLargeChange(int v);
  std::function<void()> Change;
  std::function<void()> Scroll;
  bool Property(std::string_view prop, std::string& out) const override;

  // The user's actions: a thumb drag through positions (Scroll at each, one
  // Change at the release when the thumb moved) and a click on the track or
  // an arrow that sets the value.
  void UserDragTo(int v);
  void UserRelease();
  void UserSet(int v);
  void ScriptScroll(const std::vector<int>& values, bool drag) override;

 protected:
  bool UserInput(QEvent& event) override;

 private:
  void ShowValue();
  int min_ = 0, max_ = 32767, value_ = 0, largeChange_ = 1;
  bool dragging_ = false;
  int dragStart_ = 0;
  bool scrolled_ = false;
};

// A picture: a whole image, or empty (a picture box with an empty picture
// shows only its background colour).
struct Picture {
  // Shared between picture boxes and never changed while shared.
  std::shared_ptr<base::Image> image;
  bool Empty() const { return !image; }
};

class PictureBox : public Control {
 public:
  // A visible picture box shows its image on screen; an invisible one is only
  // a buffer.
  PictureBox(Form& form, std::string name, Control* parent, bool shown);

  // Size of the persistent image in pixels; the image is cleared to BackColor.
  void SetPixelSize(int width, int height);
  int PixelWidth() const { return image_.width; }
  int PixelHeight() const { return image_.height; }

  // User scale: ScaleMode 0 with the four scale properties.
  int ScaleMode() const { return scaleMode_; }
  void SetScaleMode(int m) { scaleMode_ = m; }
  double ScaleLeft() const { return map_.scaleLeft; }
  double ScaleTop() const { return map_.scaleTop; }
  double ScaleWidth() const { return map_.scaleWidth; }
  double ScaleHeight() const { return map_.scaleHeight; }
  void SetScaleLeft(double v) { map_.scaleLeft = v; }
  void SetScaleTop(double v) { map_.scaleTop = v; }
  void SetScaleWidth(double v) { map_.scaleWidth = v; }
  void SetScaleHeight(double v) { map_.scaleHeight = v; }
  const base::Mapping& Mapping() const { return map_; }

  uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(uint32_t bgr) { foreColor_ = bgr; }
  uint32_t BackColor() const { return backColor_; }
  // A new background colour erases the drawing.
  void SetBackColor(uint32_t bgr);
  int DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
  int FillStyle() const { return fillStyle_; }
  void SetFillStyle(int s) { fillStyle_ = s; }
  uint32_t FillColor() const { return fillColor_; }
  void SetFillColor(uint32_t c) { fillColor_ = c; }
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int p);

  // Line in ForeColor and DrawWidth between two points in scale units.
  void Line(float x1, float y1, float x2, float y2) {
    const double a = map_.PositionX(x1), b = map_.PositionY(y1);
    const double c = map_.PositionX(x2), d = map_.PositionY(y2);
    // Kept as a vector before it is drawn: a picture taken for the log
    // must not hold this line already.
    if (shown_) RecordLine(a, b, c, d);
    blank_ = false;
    Invalidate(base::DrawLine(image_, base::Mapping::PixelIndex(a), base::Mapping::PixelIndex(b),
                              base::Mapping::PixelIndex(c), base::Mapping::PixelIndex(d),
                              foreColor_, drawWidth_));
  }
  // Colour 0x00BBGGRR of the point, -1 outside the picture.
  int64_t Point(float x, float y) const;

  // A copy of the shown image.
  Picture Image() const;
  // What was last assigned to Picture (the buffers keep their picture here).
  const Picture& GetPicture() const {
    if (blankOf_) MakeBlankPicture();
    return picture_;
  }
  // Replaces the whole image: an empty picture leaves only BackColor.
  void SetPicture(const Picture& p);
  // Picture = source.Image, reusing this box's buffer when it can (the draw
  // command keeps the picture for undo before every drawing). A cleared
  // source is kept as its size and colour, and its pixels are made only when
  // the picture is asked for.
  void SetPictureFromImage(const PictureBox& source);

  const base::Image& Raster() const { return image_; }
  // The image holds only BackColor: nothing drawn on it since it was cleared.
  bool IsBlank() const { return blank_; }
  // The pixels, to change them directly (a fill): from here on the picture
  // is no longer only lines on a background.
  base::Image& EditRaster() {
    picturePending_ = true;
    blank_ = false;
    return image_;
  }

  // The pixels and the line log for a drawing that draws its lines itself and
  // records each in the log as it draws it.
  struct LineTarget {
    base::Image* image;
    base::LineLog* log;  // null for a box that is not shown
  };
  LineTarget DrawingTarget();

  // The lines drawn since the picture was last replaced, on the picture they
  // were drawn on (for vector output). Meaningful when LinesCurrent().
  const base::LineLog& Lines() const { return lines_; }
  // False when the pixels changed in a way lines cannot tell since the last
  // line: the canvas as it stands is then the picture, with no lines on it.
  bool LinesCurrent() const { return !picturePending_; }
  // Marks pixels as changed; the screen shows them at its next refresh (at
  // most about 60 times a second, only the changed area).
  void Invalidate(const base::Rect& r) {
    dirty_.Add(r);
    if (!refreshQueued_) QueueRefresh();
  }
  void InvalidateAll();
  void RefreshView() override;

  MouseHandler MouseDown;
  MouseHandler MouseUp;
  MouseHandler MouseMove;
  void ScriptClick() override;
  void ScriptMouse(MouseAction a, int button, int shift, float x, float y) override;

  bool Property(std::string_view prop, std::string& out) const override;

 private:
  void RecordLine(double x1, double y1, double x2, double y2);
  // Starts the line log again on the background or on the canvas as it is.
  void ResetLines(bool onPicture);
  // Fills image_ with the background: nothing drawn on it since.
  void Clear();
  // Makes the pixels of a picture kept as a cleared canvas.
  void MakeBlankPicture() const;
  bool shown_ = false;
  base::Image image_;
  bool blank_ = true;  // image_ holds only BackColor, padding included
  // A cleared canvas kept as a picture: its size and colour, the pixels not
  // made yet (picture_ holds them once they are).
  struct Blank {
    int width, height;
    uint32_t bgr;
  };
  mutable std::optional<Blank> blankOf_;
  base::Mapping map_;
  base::Rect dirty_;
  mutable Picture picture_;
  base::LineLog lines_;
  bool picturePending_ = false;  // lines_ needs the canvas as its picture
  int scaleMode_ = 1;
  uint32_t foreColor_ = 0;
  uint32_t backColor_ = 0xFFFFFF;
  int drawWidth_ = 1;
  int fillStyle_ = 1;
  uint32_t fillColor_ = 0;
  int mousePointer_ = 0;
};

}  // namespace forms
