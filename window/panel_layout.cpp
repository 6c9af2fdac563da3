// The panel as designed, one catalogue per kind of control.
//
// The panel is a band about 5700 twips wide at the left edge of the window,
// laid out in rows. Positions below are in twips from the window's top-left
// corner, so that each row reads with one top; controls inside Frame1 are
// moved by the frame's own position when placed. The rows' tops:
//
//    480  Drawing Color, Canvas Color           | Gradient (435), Col. Refresh (660)
//   1020  XScale  Color  YScale                 | Scale Refresh
//   1320  [X] [colour bar] [Y]                  | 1 To 1, Aspect (1560)
//   1910  Wheel #n  Wheel Select  Symmetry  Wheels
//   2160  [v] [size] [v] < >  [spokes] &x  3  [v] Multi
//   2520  [v] [ratio] [v]     [start]  [v] Ratio
//   2880  Wheel Scroll Bar / 3120 size scroll bar
//   3480  Ratio Scroll Bar / 3720 ratio scroll bar
//   4080  Draw    | Load Image  Save Image
//   4560  Random  | Load Parms  Save Parms (4425)
//   4820          | Rotations [rotations]  Rot.
//   5040  Clear [v]
//   5325          | Rot Start [rot start] [turn]
//   5640  Print   | Res. [resolution] [v]
//   6240  Size % [size]  Center:  X [x]  Y [y]
//   6640  size bar  Loops  Dec  Rot+  Pen+
//   6960  Slide  [loops] [dec] [rot+] [v] [pen+] [v]
//   7450  Circle  Triangle  Square
//   7870  STOP!  Snap!  Exit  1  F
#include "window/panel_layout.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "base/look.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace window {
namespace {

using M = TrochelaMain;

// The container a control lies in.
enum Box { C, F };  // C: over the canvas, at window positions; F: inside Frame1
constexpr forms::Twips kFrame = {0, 120, 5685, 8295};

constexpr int kFieldW = 735, kFieldH = 345;     // numeric text fields
constexpr int kButtonW = 1575, kButtonH = 375;  // main command buttons
constexpr int kFileH = 315;                     // file buttons, kButtonW wide
constexpr int kSmallW = 375;                    // one-character buttons
constexpr int kShortW = 1215;                   // Snap! and Exit
constexpr int kBoxW = 255, kBoxH = 255;         // check box (kBoxW: without caption)
constexpr int kCheckW = 1800;                   // check box with caption
constexpr int kOptionW = 1215;                  // outline options
constexpr int kLabelH = 240;                    // one line of the 8 pt font
constexpr int kScrollW = 5175, kScrollH = 255;
constexpr int kSizeScrollW = 1695;

constexpr int kFontPt = 8;        // labels, buttons, check boxes, frame
constexpr int kFieldFontPt = 12;  // text fields, bold

constexpr uint32_t kWhite = 0xFFFFFF;

// Places a control given its window position.
void Place(forms::Control& c, Box box, int left, int top, int width, int height) {
  if (box == F) {
    left -= kFrame.left;
    top -= kFrame.top;
  }
  c.Move({left, top, width, height});
}

struct FieldRow {
  TextBox M::*field;
  Box box;
  int left, top;
  const char* text;  // null: the settings' start text (model/bindings.h)
  const char* tip;
};

// The catalogues are tables, one row a control: kept as written.
// clang-format off
constexpr FieldRow kFields[] = {
    {&M::TxtX, C, 120, 1320, nullptr, "Sets width of picture"},
    {&M::TxtY, C, 2640, 1320, nullptr, "Sets height of picture"},
    {&M::TxtFixed, C, 435, 2160, "240",
     "Size of wheel (Wheel 3 is the Pen Value when multi is unchecked)."},
    {&M::TxtNFactor, C, 2595, 2160, "5",
     "Number of intended \"spokes\" for symmetrical pictures"},
    {&M::TxtRatio1, C, 435, 2520, "19",
     "Changes rate at which wheel spins in relation to the others."},
    {&M::TxtNStart, C, 2595, 2520, "-2", "Starting Ratio for symmetrical pictures"},
    {&M::TxtRotations, C, 3060, 4770, nullptr,
     "Number of rotations to draw picture.  Random will set automatically."},
    {&M::TxtRotStart, C, 3060, 5280, nullptr, "Rotation angle on wheel the picture is started from"},
    {&M::TxtTurn, C, 4140, 5280, nullptr, "Overall rotation of picture"},
    {&M::TxtResolution, C, 3060, 5700, nullptr,
     "Resolution, controls how smooth curves look in the picture.  The higher the value, the "
     "smoother the curves."},
    {&M::TxtPctScale, C, 1080, 6195, nullptr, "Sets overall size of picture"},
    {&M::TxtOff_X, F, 2985, 6195, nullptr, "Center of picture, left to right"},
    {&M::TxtOff_Y, F, 4080, 6195, nullptr, "Center of picture, top to bottom"},
    {&M::TxtLoop, C, 1770, 6960, nullptr,
     "When greater than one, \"Draw\", \"Random\" and \"Slide\" will repeat the picture using "
     "the values in Dec, Rot+ and Pen+."},
    {&M::TxtPctDec, C, 2580, 6960, nullptr,
     "Reduces (when less than one) or increases (when greater than one) size of picture after "
     "each loop."},
    {&M::TxtRotInc, C, 3390, 6960, nullptr, "Rotates start of picture after each loop."},
    {&M::TxtHoleInc, C, 4485, 6960, nullptr,
     "Increases or decreases (when minus is used in front of number) pen value after each "
     "loop."},
};

struct ButtonRow {
  CommandButton M::*button;
  Box box;
  int left, top, width, height;
  const char* caption;
  const char* tip;
};

constexpr ButtonRow kButtons[] = {
    {&M::CmdSetForeColor, C, 120, 480, kButtonW, kButtonH, "Drawing Color",
     "Sets color picture will be drawn in"},
    {&M::CmdSetBackColor, C, 1800, 480, kButtonW, kButtonH, "Canvas Color",
     "Sets color of background"},
    {&M::CmdColorBar, C, 960, 1320, kButtonW, kFieldH, "",
     "When \"left\" clicked, picks random drawing color.  When \"right\" clicked, picks random "
     "background color.  Keys: Space (drawing color), Shift+Space (background color)."},
    {&M::CmdLeftScrollWheel, F, 1605, 2160, kSmallW, kFieldH, "<", "Sets Wheel Selection"},
    {&M::CmdRightScrollWheel, F, 2040, 2160, kSmallW, kFieldH, ">", "Sets Wheel Selection"},
    {&M::CmdSymmetry, F, 3390, 2160, kSmallW, kFieldH, "&x",
     "Sets Ratio Values for Mult-Wheel drawings so they appear symmetrical based on values "
     "entered in Symmetry fields"},
    {&M::CmdWheelLimit, F, 3945, 2160, kSmallW, kFieldH, "3",
     "Chooses number of active wheels for multi wheel pictures.  Keys: Up or Space (more), Down "
     "(fewer)."},
    {&M::CmdDraw, F, 120, 4080, kButtonW, kButtonH, "&Draw",
     "Draws picture.  Will draw on top of existing picture unless \"Clear\" is clicked first."},
    {&M::CmdOpen, C, 2100, 4080, kButtonW, kFileH, "Load Image",
     "Loads a picture in bitmap format"},
    {&M::CmdSave, C, 3780, 4080, kButtonW, kFileH, "Save Image", "Saves picture in bitmap format"},
    {&M::CmdRandom, C, 120, 4560, kButtonW, kButtonH, "&Random", "Draws random picture"},
    {&M::CmdLoadParms, C, 2100, 4425, kButtonW, kFileH, "Load Parms",
     "Loads settings for generating a picture"},
    {&M::CmdSaveParms, C, 3780, 4425, kButtonW, kFileH, "Save Parms",
     "Saves settings for generating a picture"},
    {&M::CmdClear, F, 120, 5040, kButtonW, kButtonH, "&Clear", "Clears picture"},
    {&M::CmdPrint, F, 120, 5640, kButtonW, kButtonH, "&Print",
     "Prints picture (note printer.ini included in Trochela!.zip must be in Trochela! folder)."},
    {&M::CmdSlide, F, 120, 6960, kButtonW, kButtonH, "S&lide",
     "Launches \"slideshow\" of random pictures when clicked.  Turns off slideshow if clicked "
     "again."},
    {&M::CmdStop, F, 120, 7870, kButtonW, kButtonH, "&STOP!", "Stops current drawing of picture"},
    {&M::CmdSnap, C, 1815, 7870, kShortW, kButtonH, "S&nap!",
     "Saves current picture into buffer, used with Random and Scroll when clear is unchecked"},
    {&M::CmdExit, F, 3150, 7870, kShortW, kButtonH, "&Exit ", "Exits Trochela!"},
    {&M::CmdThick, C, 4485, 7870, kSmallW, kButtonH, "1",
     "Sets pen thickness (there are four possible settings)."},
    {&M::CmdFrame, F, 4980, 7870, kSmallW, kButtonH, "F",
     "Draws frame around picture using current drawing color, useful when printing."},
};

// Check boxes; width kBoxW when they have no caption (a label names them).
struct CheckRow {
  CheckBox M::*box;
  Box in;
  int left, top, width;
  const char* caption;
  int value;
  const char* tip;
};

constexpr CheckRow kChecks[] = {
    {&M::ChkGradient, C, 3600, 435, kCheckW, "Gradient", 0,
     "When loop is used, gradually changes drawing color"},
    {&M::ChkColor, C, 3600, 660, kCheckW, "Col. Refresh", 1,
     "When random is used, changes drawing color"},
    {&M::ChkScale, F, 3600, 1020, kCheckW, "Scale Refresh", 1,
     "Refreshes scale when picture settings are changed"},
    {&M::ChkAspect, C, 3600, 1305, kCheckW, "1 To 1", 1,
     "Keeps width and height the same when picture settings change.  Otherwise, the scale will "
     "set so the picture fills the screen."},
    {&M::ChkRatio, C, 3600, 1560, kCheckW, "Aspect", 1,
     "Keeps scales in \"sync\" when one or the other is changed"},
    {&M::ChkWheelAll, F, 120, 2160, kBoxW, "", 1,
     "When unchecked, clears all random checkboxes for wheels"},
    {&M::ChkF, C, 1230, 2205, kBoxW, "", 1, "If checked, random will refresh wheel value."},
    {&M::ChkMulti, F, 4500, 2205, kBoxW, "", 0, "Uses three to 24 wheels when checked."},
    {&M::ChkRatioAll, F, 120, 2520, kBoxW, "", 1,
     "When unchecked, clears all random checkboxes for ratios"},
    {&M::ChkR1, F, 1230, 2565, kBoxW, "", 1, "If checked, random will refresh ratio value."},
    {&M::ChkEven, C, 3450, 2565, kBoxW, "", 0,
     "Forces random to pick ratios that keep multi wheel images symmetrical."},
    {&M::ChkClear, C, 1785, 5100, kBoxW, "", 1,
     "When checked, clear will set the picture to the background color.  Otherwise clear will "
     "restore the last \"snapped\" picture."},
    {&M::ChkResolution, C, 3870, 5745, kBoxW, "", 1,
     "When checked, Random will refresh the resolution with a random value."},
    {&M::ChkRotStart, C, 4170, 7005, kBoxW, "", 1,
     "When checked, the \"Rot Start\" value will reset to its initial setting when Rot+ is used "
     "with the \"Loops\" feature."},
    {&M::ChkPen, C, 5265, 7005, kBoxW, "", 1,
     "When checked, the \"Wheel 3/Pen\" value will reset to its initial setting when Pen+ is "
     "used with the \"Loops\" feature."},
};

// The outline options, one group inside the frame.
struct OptionRow {
  OptionButton M::*option;
  int left, top;
  const char* caption;
  bool value;
  const char* tip;
};

constexpr OptionRow kOptions[] = {
    {&M::ChkCircle, 240, 7450, "Circle", true, "Picture will follow outline of circle."},
    {&M::ChkTriangle, 1920, 7450, "Triangle", false, "Picture will follow outline of triangle."},
    {&M::ChkSquare, 3600, 7450, "Square", false, "Picture will follow outline of square."},
};

// Labels, all inside the frame, each a little wider than its caption.
struct LabelRow {
  Label M::*label;
  int left, top, width;
  const char* caption;
  const char* tip;
};

constexpr LabelRow kLabels[] = {
    {&M::LblXScale, 120, 1020, 735, "XScale", ""},
    {&M::LblColor, 1545, 1020, 480, "Color", ""},
    {&M::Lblyscale, 2640, 1020, 735, "YScale", ""},
    {&M::LblScrollWheel, 435, 1910, 1050, "Wheel #1", ""},
    {&M::LblWheelSelect, 1545, 1910, 1035, "Wheel Select", ""},
    {&M::LblSymmetry, 2595, 1910, 795, "Symmetry", ""},
    {&M::LblWheels, 3855, 1910, 600, "Wheels", ""},
    {&M::LblMulti, 4815, 2205, 480, "Multi", ""},
    {&M::LblRatios, 3900, 2565, 480, "Ratio",
     "Click on Ratio Label to enable/disable random negative wheel values on multi wheel "
     "drawings.  Pictures will be smaller, but more interesting.  Key: Ctrl+R."},
    {&M::LblWheelScroll, 255, 2880, 1350, "Wheel Scroll Bar", ""},
    {&M::LblRatioScroll, 255, 3480, 1275, "Ratio Scroll Bar", ""},
    {&M::LblRotations, 2100, 4820, 900, "Rotations", ""},
    {&M::LblRot, 4140, 4970, 480, "Rot.", ""},
    {&M::LblTurn, 2100, 5325, 900, "Rot Start", ""},
    {&M::LblRes, 2100, 5745, 600, "Res.", ""},
    {&M::LblSize, 120, 6240, 780, "Size %", ""},
    {&M::LblOff, 1995, 6240, 570, "Center:", ""},
    {&M::LblOff_X, 2565, 6240, 360, "   X", ""},
    {&M::LblOff_Y, 3840, 6240, 180, "Y", ""},
    {&M::LblLoop, 1860, 6690, 600, "Loops", ""},
    {&M::LblDec, 2700, 6690, 450, "Dec", ""},
    {&M::LblInc, 3510, 6690, 480, "Rot+", ""},
    {&M::LblHoleInc, 4605, 6690, 480, "Pen+", ""},
};

struct ScrollRow {
  ScrollBar M::*bar;
  Box box;
  int left, top, width;
  int min, max, largeChange, value;
};

constexpr int kMostSize = static_cast<int>(model::kMostWheelSize);
constexpr ScrollRow kScrollBars[] = {
    {&M::ScrollOffset, F, 255, 3120, kScrollW, -kMostSize, kMostSize, 10, 1},
    {&M::ScrollRatio, C, 255, 3720, kScrollW, -200, 200, 10, 1},
    {&M::ScrollSize, C, 120, 6640, kSizeScrollW, 1, model::kMostPctScale, 10, 100},
};
// What assistive technology calls each control, by the control's name: the
// label beside a field, a button's command, what a box allows; `caption`:
// the button's caption (a number) follows the name. A label is called by
// its caption without blanks around it, and a control's description is its
// tooltip, the canvas's the one given here.
struct NameRow {
  const char* control;
  const char* name;
  bool caption = false;
};

constexpr NameRow kNames[] = {
    {"TxtX", "X scale"}, {"TxtY", "Y scale"}, {"TxtFixed", "Wheel size"},
    {"TxtNFactor", "Symmetry spokes"}, {"TxtRatio1", "Wheel ratio"},
    {"TxtNStart", "Symmetry start ratio"}, {"TxtRotations", "Rotations"},
    {"TxtRotStart", "Rot Start"}, {"TxtTurn", "Picture rotation"}, {"TxtResolution", "Resolution"},
    {"TxtPctScale", "Size %"}, {"TxtOff_X", "Center X"}, {"TxtOff_Y", "Center Y"},
    {"TxtLoop", "Loops"}, {"TxtPctDec", "Dec"}, {"TxtRotInc", "Rot+"}, {"TxtHoleInc", "Pen+"},
    {"CmdSetForeColor", "Drawing Color"}, {"CmdSetBackColor", "Canvas Color"},
    {"CmdColorBar", "Random color"}, {"CmdLeftScrollWheel", "Previous wheel"},
    {"CmdRightScrollWheel", "Next wheel"}, {"CmdSymmetry", "Symmetric ratios"},
    {"CmdWheelLimit", "Wheel count", true}, {"CmdDraw", "Draw"}, {"CmdOpen", "Load Image"},
    {"CmdSave", "Save Image"}, {"CmdRandom", "Random"}, {"CmdLoadParms", "Load Parms"},
    {"CmdSaveParms", "Save Parms"}, {"CmdClear", "Clear"}, {"CmdPrint", "Print"},
    {"CmdSlide", "Slide"}, {"CmdStop", "STOP!"}, {"CmdSnap", "Snap!"}, {"CmdExit", "Exit"},
    {"CmdThick", "Pen width", true}, {"CmdFrame", "Frame"},
    {"ChkGradient", "Gradient"}, {"ChkColor", "Col. Refresh"}, {"ChkScale", "Scale Refresh"},
    {"ChkAspect", "1 To 1"}, {"ChkRatio", "Aspect"}, {"ChkWheelAll", "Random all wheel sizes"},
    {"ChkF", "Random wheel size"}, {"ChkMulti", "Multi"}, {"ChkRatioAll", "Random all ratios"},
    {"ChkR1", "Random ratio"}, {"ChkEven", "Random even ratios"},
    {"ChkClear", "Clear to background"}, {"ChkResolution", "Random resolution"},
    {"ChkRotStart", "Reset Rot Start"}, {"ChkPen", "Reset Pen"},
    {"ChkCircle", "Circle"}, {"ChkTriangle", "Triangle"}, {"ChkSquare", "Square"},
    {"ScrollOffset", "Wheel scroll bar"}, {"ScrollRatio", "Ratio scroll bar"},
    {"ScrollSize", "Size % scroll bar"}, {"Canvas", "Picture"}, {"Frame1", "Trochela! Options"},
};
constexpr const char* kCanvasDescription =
    "The picture. Backspace brings back the picture before the last change, Ctrl+Z the ones "
    "before it and Ctrl+Shift+Z or Ctrl+Y the later ones again; F9 hides and shows the panel.";
// clang-format on

// Every control of the window is in one of the catalogues.
static_assert(std::size(kFields) == 17 && std::size(kButtons) == 21 && std::size(kChecks) == 15 &&
              std::size(kOptions) == 3 && std::size(kLabels) == 23 && std::size(kScrollBars) == 3);

// Tab visits the panel row by row, top to bottom, each row from left to
// right. A control more than kRowSpan below the first of the current row
// starts the next row.
class TabRows {
 public:
  void Add(forms::Control& c, int left, int top) { stops_.push_back({top, left, &c}); }
  std::vector<forms::Control*> Order() {
    constexpr int kRowSpan = 150;
    std::stable_sort(stops_.begin(), stops_.end(),
                     [](const Stop& a, const Stop& b) { return a.top < b.top; });
    int row = 0, rowTop = 0;
    for (size_t i = 0; i < stops_.size(); ++i) {
      if (i == 0 || stops_[i].top - rowTop > kRowSpan) {
        rowTop = stops_[i].top;
        ++row;
      }
      stops_[i].top = row;
    }
    std::stable_sort(stops_.begin(), stops_.end(), [](const Stop& a, const Stop& b) {
      return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    std::vector<forms::Control*> order;
    for (const Stop& s : stops_) order.push_back(s.control);
    return order;
  }

 private:
  struct Stop {
    int top, left;
    forms::Control* control;
  };
  std::vector<Stop> stops_;
};

}  // namespace

void BuildPanel(TrochelaMain& w) {
  TabRows tabs;
  w.form.SetCaption("Trochela!");

  // The drawing surface keeps its picture; it draws in red on white, one
  // pixel wide. The two buffers are never shown.
  w.Canvas.SetForeColor(base::kRed);
  w.Canvas.SetDrawWidth(1);
  w.Undo.SetVisible(false);
  w.SnapPic.SetVisible(false);

  w.Frame1.SetCaption("Trochela! Options");
  w.Frame1.SetFont(base::kFontName, kFontPt, false);
  w.Frame1.Move(kFrame);
  w.Frame1.SetToolTipText("F9 hides and shows the panel, as a right click on the picture does.");

  // What every row gives its control: place, font, tooltip and, for a
  // control that takes the focus, a Tab stop.
  auto common = [&](forms::Control& c, Box box, int left, int top, int width, int height,
                    int fontPt, bool bold, const char* tip, bool tabStop) {
    Place(c, box, left, top, width, height);
    c.SetFont(base::kFontName, fontPt, bold);
    c.SetToolTipText(tip);
    if (tabStop) tabs.Add(c, left, top);
  };
  for (const FieldRow& r : kFields) {
    TextBox& t = w.*r.field;
    common(t, r.box, r.left, r.top, kFieldW, kFieldH, kFieldFontPt, true, r.tip, true);
    if (r.text) t.SetText(r.text);
  }
  for (const ButtonRow& r : kButtons) {
    CommandButton& b = w.*r.button;
    common(b, r.box, r.left, r.top, r.width, r.height, kFontPt, false, r.tip, true);
    b.SetCaption(r.caption);
  }
  w.CmdColorBar.SetBackColor(kWhite);
  for (const CheckRow& r : kChecks) {
    CheckBox& c = w.*r.box;
    common(c, r.in, r.left, r.top, r.width, kBoxH, kFontPt, false, r.tip, true);
    c.SetCaption(r.caption);
    c.SetValue(r.value);
  }
  for (const OptionRow& r : kOptions) {
    OptionButton& o = w.*r.option;
    common(o, F, r.left, r.top, kOptionW, kBoxH, kFontPt, false, r.tip, true);
    o.SetCaption(r.caption);
    o.SetValue(r.value);
  }
  for (const LabelRow& r : kLabels) {
    Label& l = w.*r.label;
    common(l, F, r.left, r.top, r.width, kLabelH, kFontPt, false, r.tip, false);
    l.SetCaption(r.caption);
  }
  for (const ScrollRow& r : kScrollBars) {
    ScrollBar& b = w.*r.bar;
    Place(b, r.box, r.left, r.top, r.width, kScrollH);
    b.SetMin(r.min);
    b.SetMax(r.max);
    b.SetLargeChange(r.largeChange);
    b.SetValue(r.value);
    tabs.Add(b, r.left, r.top);
  }

  for (const NameRow& r : kNames)
    if (forms::Control* c = w.form.Find(r.control)) c->SetAccessibleName(r.name, r.caption);
  w.Canvas.SetAccessibleDescription(kCanvasDescription);

  std::vector<forms::Control*> tabOrder = tabs.Order();
  tabOrder.push_back(&w.Canvas);
  w.form.SetTabOrder(tabOrder);

  // The program starts in single-wheel mode: the multi-wheel controls are
  // hidden.
  ShowMultiControls(w, false);
}

}  // namespace window
