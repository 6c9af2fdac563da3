// The main window driven through Qt's own event path, as a user drives it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <array>
#include <set>
#include <string_view>
#include <tuple>

#include "base/plot_order.h"
#include "tests/window_fixture.h"

namespace {

class QtBoundary : public WindowTest {
 protected:
  QtBoundary() : WindowTest(800, 600) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.form.Widget()));
    w.Canvas.SetFocus();
  }

  static QWidget* Q(forms::Control& c) { return c.Widget(); }
  static QPoint Middle(forms::Control& c) { return Q(c)->rect().center(); }

  void Click(forms::Control& c, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
    QTest::mouseClick(Q(c), b, m, Middle(c));
  }
  std::string FocusName() const { return w.form.Focused() ? w.form.Focused()->Name() : ""; }

  long RedPixels() const {
    long n = 0;
    for (uint32_t px : w.Canvas.Raster().pixels) n += (px & 0xFFFFFFu) == 0xFF0000u;
    return n;
  }
};

// Collects the areas a widget paints.
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget* widget, QRegion& painted) : painted_(painted) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted_ += static_cast<QPaintEvent*>(e)->region();
    return false;
  }

 private:
  QRegion& painted_;
};

TEST_F(QtBoundary, PressesBelongToTheControlUnderThePointer) {
  w.ChkMulti.SetValue(1);  // shows the wheel-count button
  ASSERT_TRUE(w.CmdWheelLimit.Reachable());
  Click(w.TxtX);

  // A right click counts the wheels down (its handler given the place in
  // twips) and does not toggle the panel; a middle click fills nothing.
  float downX = -1;
  const auto down = w.CmdWheelLimit.MouseDown;
  w.CmdWheelLimit.MouseDown = [&](int b, int s, float x, float y) { downX = x, down(b, s, x, y); };
  Click(w.CmdWheelLimit, Qt::RightButton);
  EXPECT_EQ(downX, Middle(w.CmdWheelLimit).x() * 15.f);
  // A left click through the window looks pressed only while it is pressed.
  QTest::mouseClick(w.form.Widget()->windowHandle(), Qt::LeftButton, {},
                    Q(w.CmdWheelLimit)->mapTo(w.form.Widget(), Middle(w.CmdWheelLimit)));
  EXPECT_FALSE(static_cast<QAbstractButton*>(Q(w.CmdWheelLimit))->isDown());
  EXPECT_TRUE(w.CmdColorBar.Visible());
  Click(w.CmdWheelLimit, Qt::MiddleButton);
  EXPECT_EQ(RedPixels(), 0);
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &w.LblMulti, &w.ChkGradient, &w.ChkMulti, &w.Frame1, &w.ScrollOffset}) {
    Click(*c, Qt::RightButton);
    EXPECT_TRUE(w.CmdColorBar.Visible()) << c->Name();
    Click(*c, Qt::MiddleButton);
    EXPECT_EQ(RedPixels(), 0) << c->Name();
  }

  // A left click on a label or on the frame leaves the focus in the field.
  Click(w.TxtX);
  QTest::mouseClick(Q(w.Frame1), Qt::LeftButton, {}, QPoint(5, Q(w.Frame1)->height() - 5));
  Click(w.LblXScale);
  EXPECT_EQ(FocusName(), "TxtX");
  // So does a click on a button disabled before the screen shows it.
  w.CmdClear.SetEnabled(false);
  Click(w.CmdClear);
  EXPECT_EQ(QApplication::focusWidget(), Q(w.TxtX));

  // A check box's MouseUp sees the box as the left click left it.
  Click(w.ChkR1);
  Click(w.ChkR1, Qt::RightButton);
  QApplication::processEvents();
  EXPECT_TRUE(w.ChkR1.Value() == 0 && w.wheels.RandomRatioFlag[1] == 0);

  QTest::mouseClick(Q(w.Canvas), Qt::LeftButton, {}, QPoint(600, 300));  // the canvas takes the focus
  EXPECT_EQ(FocusName(), "Canvas");
  QTest::mouseClick(Q(w.Canvas), Qt::RightButton, {}, QPoint(600, 300));  // and the right button
  EXPECT_FALSE(w.CmdColorBar.Visible());
}

TEST_F(QtBoundary, AccessKeyRepairsTheFieldBeforeTheCommand) {
  Click(w.TxtLoop);
  QTest::keyClicks(Q(w.TxtLoop), "-7");
  EXPECT_EQ(w.TxtLoop.Text(), "-7");
  QTest::keyClick(Q(w.TxtLoop), Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(w.TxtLoop.Text(), "1");
  EXPECT_GT(RedPixels(), 0);  // drawn with the repaired loop count
  EXPECT_EQ(FocusName(), "Canvas");
  // Right after the drawing the buttons take keys and clicks again.
  w.CmdThick.SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(w.CmdThick.Caption(), "2");
  Click(w.ChkGradient);
  EXPECT_EQ(w.ChkGradient.Value(), 1);
}

TEST_F(QtBoundary, TabFollowsThePanelRows) {
  // clang-format off
  const std::vector<std::string> rows = {
      "CmdSetForeColor", "CmdSetBackColor", "ChkGradient", "ChkColor", "ChkScale", "TxtX",
      "CmdColorBar", "TxtY", "ChkAspect", "ChkRatio", "ChkWheelAll", "TxtFixed", "ChkF",
      "CmdLeftScrollWheel", "CmdRightScrollWheel", "ChkMulti", "ScrollOffset", "CmdDraw",
      "CmdOpen", "CmdSave", "CmdRandom", "CmdLoadParms", "CmdSaveParms", "TxtRotations",
      "CmdClear", "ChkClear", "TxtRotStart", "TxtTurn", "CmdPrint", "TxtResolution",
      "ChkResolution", "TxtPctScale", "TxtOff_X", "TxtOff_Y", "ScrollSize", "CmdSlide", "TxtLoop",
      "TxtPctDec", "TxtRotInc", "ChkRotStart", "TxtHoleInc", "ChkPen", "ChkCircle", "CmdStop",
      "CmdSnap", "CmdExit", "CmdThick", "CmdFrame"};
  // clang-format on
  w.CmdSetForeColor.SetFocus();
  std::vector<std::string> seen = {FocusName()};
  for (size_t i = 1; i < rows.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    seen.push_back(FocusName());
  }
  EXPECT_EQ(seen, rows);
  std::array<long, 4> sums{};  // the rows as designed: every control's place in twips, summed
  for (const forms::Control* c : w.form.Controls())
    for (int i = 0; const int v : {c->Position().left, c->Position().top, c->Position().width,
                                   c->Position().height})
      sums[i++] += v;
  EXPECT_EQ(sums, (std::array<long, 4>{187005, 342030, 98370, 41520}));
  // The canvas comes last, then the first row again.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "Canvas");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "CmdSetForeColor");

  // The arrow keys move through the outline options and select them.
  w.ChkCircle.SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_EQ(FocusName(), "ChkTriangle");
  EXPECT_TRUE(w.ChkTriangle.Value());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  EXPECT_TRUE(w.ChkSquare.Value());
  EXPECT_FALSE(w.ChkCircle.Value());
}

TEST_F(QtBoundary, TheWidgetsShowWhatTheProgramSet) {
  EXPECT_EQ(w.form.Widget()->windowTitle(), "Trochela!");
  // Places in twips at 15 a pixel, fonts, and the underline that the Ratio
  // label's click toggles.
  struct Shown {
    forms::Control* c;
    QRect place;
    int points;
    bool bold;
  };
  for (const Shown& s :
       {Shown{&w.CmdExit, {210, 516, 81, 25}, 8, false}, Shown{&w.TxtX, {8, 88, 49, 23}, 12, true},
        Shown{&w.Frame1, {0, 8, 379, 553}, 8, false},
        Shown{&w.ChkCircle, {16, 488, 81, 17}, 8, false}}) {
    const QFont f = Q(*s.c)->font();
    EXPECT_EQ(f.family(), "Arial") << s.c->Name();
    EXPECT_EQ(f.pointSize(), s.points) << s.c->Name();
    EXPECT_EQ(f.bold(), s.bold) << s.c->Name();
    EXPECT_EQ(Q(*s.c)->geometry(), s.place) << s.c->Name();
  }
  w.TxtRotations.SetText("123");
  EXPECT_EQ(static_cast<QLineEdit*>(Q(w.TxtRotations))->text(), "123");
  EXPECT_FALSE(Q(w.LblRatios)->font().underline());
  Click(w.LblRatios);
  EXPECT_TRUE(Q(w.LblRatios)->font().underline());
  // An outline the program chooses shows as chosen.
  w.ChkTriangle.SetValue(true);
  EXPECT_TRUE(static_cast<QAbstractButton*>(Q(w.ChkTriangle))->isChecked());
  EXPECT_FALSE(static_cast<QAbstractButton*>(Q(w.ChkCircle))->isChecked());
  w.ChkCircle.SetValue(true);
  // Slide's pushed-in look follows the program, not Qt's own toggling.
  auto* slide = static_cast<QAbstractButton*>(Q(w.CmdSlide));
  w.CmdSlide.SetPressed(true);
  EXPECT_TRUE(slide->isChecked());
  w.CmdSlide.SetPressed(false);
  EXPECT_FALSE(slide->isChecked());
  // Captions and greying reach the screen with the next refresh; the canvas
  // repaints what a drawing pass drew.
  QTest::qWait(50);  // the first showing and the focus painted everything
  QRegion painted;
  PaintWatch watch(Q(w.Canvas), painted);
  w.LblScrollWheel.SetCaption("Wheel #9");
  QTest::keyClick(Q(w.Canvas), Qt::Key_D);  // a random picture
  w.CmdClear.SetEnabled(false);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return static_cast<QLabel*>(Q(w.LblScrollWheel))->text() == "Wheel #9" &&
               !Q(w.CmdClear)->isEnabled();
      },
      20000));  // a slow paint delays the next refresh
  // A control disabled while it has the focus greys as well.
  w.CmdSave.SetFocus();
  w.CmdSave.SetEnabled(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Q(w.CmdSave)->isEnabled(); }, 20000));
  w.CmdSave.SetEnabled(true);
  // Every field shows what the settings hold after the picks, the fitting and the drawing.
  for (const model::Binding& b : model::Bindings())
    EXPECT_EQ(static_cast<QLineEdit*>(Q(w.FieldControl(b.id)))->text().toStdString(),
              w.picture[b.id].Text())
        << b.control;
  const base::Image& img = w.Canvas.Raster();
  long drawn = 0, missed = 0;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      if (img.Get(x, y) != 0xFFFFFF && !Q(w.Canvas)->childAt(x, y)) {  // not under the panel
        ++drawn;
        missed += !painted.contains(QPoint(x, y));
      }
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(missed, 0);
  // A screenshot brings the screen up to date first.
  w.LblScrollWheel.SetCaption("Wheel #8");
  const QString shot = QDir::temp().filePath("trochela-shot.png");
  ASSERT_TRUE(w.form.SaveScreenshot(shot.toStdString()));
  EXPECT_EQ(static_cast<QLabel*>(Q(w.LblScrollWheel))->text(), "Wheel #8");
  EXPECT_EQ(QImage(shot).size(), w.form.Widget()->size());
  QFile::remove(shot);
}

// Every control a user can reach, in either mode, has a name of its own
// without blanks around it, its tooltip as description, and its kind's role.
TEST_F(QtBoundary, ControlsHaveNamesAndRolesForAssistiveTechnology) {
  using A = QAccessible;
  const auto text = [](auto* c, A::Text t) {
    return A::queryAccessibleInterface(c->Widget())->text(t).toStdString();
  };
  for (int multi : {1, 0}) {
    w.ChkMulti.SetValue(multi);
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(&w.LblXScale, A::Name) == "XScale"; }));
    std::set<std::string> names;
    for (forms::Control* c : w.form.Controls()) {
      if (!c->Reachable()) continue;
      const std::string name = text(c, A::Name), tip = c->ToolTipText();
      EXPECT_TRUE(QString::fromStdString(name).trimmed().toStdString() == name && name != "" &&
                  (name != "Trochela! Options" || c == &w.Frame1) &&
                  (!c->CanTakeFocus() || names.insert(name).second) &&
                  (tip.empty() || text(c, A::Description) == tip))
          << c->Name() << " named " << name;
    }
  }
  for (auto [c, name, role] : {std::tuple<forms::Control*, const char*, A::Role>{
           &w.TxtX, "X scale", A::EditableText}, {&w.TxtLoop, "Loops", A::EditableText},
           {&w.CmdExit, "Exit", A::PushButton}, {&w.CmdColorBar, "Random color", A::PushButton},
           {&w.ChkSquare, "Square", A::RadioButton}, {&w.ChkF, "Random wheel size", A::CheckBox},
           {&w.LblOff_X, "X", A::StaticText}, {&w.ScrollOffset, "Wheel scroll bar", A::ScrollBar},
           {&w.Canvas, "Picture", A::Canvas}, {&w.CmdThick, "Pen width 1", A::PushButton}}) {
    EXPECT_EQ(text(c, A::Name), name);
    EXPECT_EQ(A::queryAccessibleInterface(c->Widget())->role(), role) << name;
  }
}

// Keys do what the mouse does: the colour bar, the wheel count, "Ratio", the
// panel, and the picture history; every control shows where the focus is.
TEST_F(QtBoundary, KeysReachWhatTheMouseReaches) {
  const auto key = [&](forms::Control& c, int k, Qt::KeyboardModifiers m = {}) {
    c.SetFocus(), QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
  };
  const uint32_t fore = w.Canvas.ForeColor(), back = w.Canvas.BackColor();
  key(w.CmdColorBar, Qt::Key_Space);
  EXPECT_TRUE(w.Canvas.ForeColor() != fore && w.Canvas.BackColor() == back);
  key(w.CmdColorBar, Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_NE(w.Canvas.BackColor(), back);
  key(w.Canvas, Qt::Key_F9);
  EXPECT_FALSE(w.CmdColorBar.Visible());
  key(w.Canvas, Qt::Key_F9);
  w.ChkMulti.SetValue(1);
  for (int k : {Qt::Key_Up, Qt::Key_Space, Qt::Key_Down, Qt::Key_Up}) key(w.CmdWheelLimit, k);
  EXPECT_EQ(FocusName() + " " + w.CmdWheelLimit.Caption(), "CmdWheelLimit 5");
  EXPECT_EQ(Q(w.CmdWheelLimit)->accessibleName(), "Wheel count 5");
  key(w.TxtX, Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(w.LblRatios.FontUnderline());
  // Three random pictures; Ctrl+Z steps back to the first canvas, Ctrl+Shift+Z
  // and Ctrl+Y forward again; Backspace still brings back the picture Undo kept.
  const auto sum = [img = &w.Canvas.Raster(), row = std::hash<std::string_view>()] {
    size_t h = 0;
    for (int y = 0; y < img->height; ++y)
      h = h * 31 + row({reinterpret_cast<const char*>(img->Row(y)), img->width * 4u});
    return h;
  };
  std::vector<size_t> seen = {sum()};
  for (int i = 0; i < 3; ++i) key(w.Canvas, Qt::Key_D), seen.push_back(sum());
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = ctrl | Qt::ShiftModifier, none;
  for (auto [k, m, i] : {std::tuple{Qt::Key_Z, ctrl, 2}, {Qt::Key_Z, ctrl, 1}, {Qt::Key_Z, ctrl, 0},
                         {Qt::Key_Z, shift, 1}, {Qt::Key_Y, ctrl, 2}, {Qt::Key_Y, ctrl, 3},
                         {Qt::Key_Backspace, none, 2}}) {
    key(w.Canvas, k, m);
    EXPECT_EQ(sum(), seen[i]) << i;
  }
  // The focus mark: the highlight just outside a control, at the canvas's edge.
  const QRgb mark = Q(w.Canvas)->palette().color(QPalette::Highlight).rgb();
  for (forms::Control* c : w.form.Controls()) {
    if (!c->CanTakeFocus()) continue;
    c->SetFocus(), QApplication::processEvents();
    const QPoint at = c == &w.Canvas ? QPoint(799, 8) : Q(*c)->geometry().topRight() + QPoint(1, 8);
    const QImage shown = w.form.Widget()->grab().toImage();
    EXPECT_EQ(shown.pixel(Q(*c)->parentWidget()->mapTo(w.form.Widget(), at)), mark) << c->Name();
  }
}

// The thumb's centre, in the bar's own pixels, as the style places it.
QPoint ThumbCentre(QScrollBar* bar) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = bar->orientation();
  if (opt.orientation == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.pageStep = bar->pageStep();
  return bar->style()
      ->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar)
      .center();
}

TEST_F(QtBoundary, DraggingTheThumbScrollsAtEachPositionAndChangesOnRelease) {
  std::vector<int> scrolls;
  int changes = 0, changedTo = 0;
  w.ScrollSize.Scroll = [&] { scrolls.push_back(w.ScrollSize.Value()); };
  w.ScrollSize.Change = [&] {
    ++changes;
    changedTo = w.ScrollSize.Value();
  };
  auto* bar = static_cast<QScrollBar*>(Q(w.ScrollSize));
  QPoint p = ThumbCentre(bar);
  QTest::mousePress(bar, Qt::LeftButton, {}, p);
  for (int i = 0; i < 4; ++i) {
    p += QPoint(6, 0);
    QTest::mouseMove(bar, p);
  }
  QTest::mouseRelease(bar, Qt::LeftButton, {}, p);
  ASSERT_EQ(scrolls.size(), 4u);
  for (size_t i = 1; i < scrolls.size(); ++i) EXPECT_GT(scrolls[i], scrolls[i - 1]);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(changedTo, scrolls.back());
  EXPECT_EQ(w.ScrollSize.Value(), scrolls.back());

  // Pressing and releasing the thumb without moving it changes nothing.
  p = ThumbCentre(bar);
  QTest::mousePress(bar, Qt::LeftButton, {}, p);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, p);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(scrolls.size(), 4u);
  QTest::keyClick(bar, Qt::Key_Right);  // a key changes it at once
  EXPECT_EQ(changes, 2);
}

TEST_F(QtBoundary, ScrollBarsHaveNoContextMenu) {
  bool menu = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* popup = QApplication::activePopupWidget()) menu = true, popup->close();
  });
  const QPoint at = Middle(w.ScrollOffset);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, Q(w.ScrollOffset)->mapToGlobal(at));
  QApplication::sendEvent(Q(w.ScrollOffset), &event);
  QApplication::processEvents();
  EXPECT_FALSE(menu);
}

// The desktop's plot page dialog starts from the choice it is given, holds
// the pens to their range and gives back what is chosen.
TEST_F(QtBoundary, PlotPageDialogStartsFromTheChoiceAndGivesItBack) {
  const auto desktop = forms::MakeDesktopServices();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    auto* pens = dialog->findChild<QSpinBox*>();
    EXPECT_EQ(pens->value(), 3);
    pens->setValue(base::kMostPens + 1);
    dialog->findChild<QDoubleSpinBox*>()->setValue(base::kMostMargin);
    dialog->findChild<QComboBox*>()->setCurrentIndex(5);  // A5, A4, A3, A2, A1, letter...
    dialog->accept();
  });
  const auto chosen = desktop->ShowPlotPage({"A3", true, 20, 3});
  ASSERT_TRUE(chosen);
  EXPECT_TRUE(chosen->page == "letter" && chosen->landscape &&
              chosen->margin == base::kMostMargin && chosen->pens == base::kMostPens);
}

TEST_F(QtBoundary, CanvasPressDeliversButtonShiftAndCanvasUnits) {
  std::vector<std::array<float, 4>> presses;
  std::vector<int> releases;
  w.Canvas.MouseDown = [&](int b, int s, float x, float y) {
    presses.push_back({1.f * b, 1.f * s, x, y});
  };
  w.Canvas.MouseUp = [&](int b, int, float, float) { releases.push_back(b); };
  // 800 x 600 pixels are 840 x 630 units with the origin at the centre.
  QTest::mouseClick(Q(w.Canvas), Qt::MiddleButton, Qt::ShiftModifier, QPoint(600, 300));
  QTest::mouseClick(Q(w.Canvas), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier,
                    {400, 540});
  QTest::mouseClick(Q(w.Canvas), Qt::LeftButton, {}, QPoint(400, 300));
  const std::vector<std::array<float, 4>> want = {{4, 1, 210, 0}, {2, 6, 0, 252}, {1, 0, 0, 0}};
  EXPECT_EQ(presses, want);
  EXPECT_EQ(releases, (std::vector<int>{4, 2, 1}));  // the button released
  // Moving over the canvas records the pointer for the keys; moving over the
  // panel does not.
  QTest::mouseMove(Q(w.Canvas), QPoint(700, 500));
  EXPECT_EQ(w.MouseX, 315);
  EXPECT_EQ(w.MouseY, 210);
  QTest::mouseMove(Q(w.TxtX), Middle(w.TxtX));
  EXPECT_EQ(w.MouseX, 315);
}

// A file dropped on the window, a field included, loads as its button would
// load it; a drop of no local file is refused.
TEST_F(QtBoundary, DroppedFileLoadsAsItsButtonWould) {
  const auto drop = [&](const QString& path, QWidget* on) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    if (path.isEmpty()) data.setText("text");
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(on, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(on, &dropped);
    QApplication::processEvents();
    return true;
  };
  EXPECT_FALSE(drop("", w.form.Widget()));
  ASSERT_TRUE(drop(TESTS_DIR "/parms/chain_square.tra", w.form.Widget()));
  EXPECT_EQ(w.ChkMulti.Value(), 1);
  ASSERT_TRUE(drop(TESTS_DIR "/reference/depth16_gradient.png", Q(w.TxtX)));
  EXPECT_EQ(w.Canvas.Raster().pixels[0] & 0xFFFFFFu, 0xF8F8F0u);
  EXPECT_TRUE(services.Messages().empty());
}

// The colour bar's face is the drawing colour exactly, with the focus or
// without; its tooltip looks like another control's.
TEST_F(QtBoundary, ColourBarShowsTheColourExactlyAndAPlainTooltip) {
  const auto tipBackground = [](forms::Control& c) {
    QToolTip::showText(c.Widget()->mapToGlobal(QPoint(2, 2)), "tip", c.Widget());
    QApplication::processEvents();
    QRgb px = 0;
    for (QWidget* tip : QApplication::topLevelWidgets())
      if (tip->inherits("QTipLabel") && tip->isVisible()) px = tip->grab().toImage().pixel(5, 1);
    QToolTip::hideText();
    return px;
  };
  w.CmdColorBar.SetBackColor(0x81CCE0);
  std::vector<QImage> faces;  // without the focus, then with it
  for (forms::Control* c : std::initializer_list<forms::Control*>{&w.Canvas, &w.CmdColorBar}) {
    c->SetFocus();
    QApplication::processEvents();
    faces.push_back(Q(w.CmdColorBar)->grab().toImage());
    EXPECT_EQ(faces.back().pixel(faces.back().rect().center()), 0xFFE0CC81u) << c->Name();
  }
  EXPECT_NE(faces[0].pixel(1, 1), faces[1].pixel(1, 1)) << "the focus shows as a frame";
  EXPECT_EQ(tipBackground(w.CmdColorBar), tipBackground(w.CmdDraw));
}

// On a screen of two device pixels to the logical pixel the canvas holds the
// device pixels, and a middle click fills at the device pixel under the
// pointer.
TEST(HighDensity, MiddleClickFillsAtTheDevicePixelUnderThePointer) {
  forms::ScriptedServices services(1600, 1200, 32, 2);
  const auto started = app::StartWindow(services, 1);
  window::TrochelaMain& w = *started;
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.Widget()));
  ASSERT_EQ(w.Canvas.Raster().width, 1600);
  EXPECT_EQ(w.Canvas.Widget()->width(), 800);
  // A black column at device x 900 parts the canvas; the pointer is at
  // logical (600, 300), device (1200, 600), right of it.
  base::Image& img = w.Canvas.EditRaster();
  for (int y = 0; y < img.height; ++y) img.Row(y)[900] = 0xFF000000u;
  QTest::mouseMove(w.Canvas.Widget(), QPoint(600, 300));
  QTest::mouseClick(w.Canvas.Widget(), Qt::MiddleButton, {}, QPoint(600, 300));
  EXPECT_NE(w.Canvas.Raster().Get(1500, 1100), 0xFFFFFF);
  EXPECT_EQ(w.Canvas.Raster().Get(850, 1100), 0xFFFFFF);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
