#include "app/startup.h"

#include "app/colours_pen.h"
#include "app/field_repair.h"
#include "base/numbers.h"
#include "canvas/canvas_input.h"
#include "engine/draw_driver.h"
#include "engine/scale_fit.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "files/picture_buffers.h"
#include "files/printing.h"
#include "random/colour_bar.h"
#include "random/random_picture.h"
#include "random/slideshow.h"
#include "random/symmetry.h"
#include "wheels/random_flags.h"
#include "wheels/wheel_editor.h"
#include "wheels/wheel_mode.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace app {

void Form_Load(TrochelaMain& w, bool seedGiven, double seed) {
  auto& t = w.wheels;
  w.rnd.Randomize(seedGiven ? seed : w.services.Timer());
  w.RatioLimit = 19;
  for (int k = 1; k <= base::kWheels; ++k) {
    t.WheelRatio[k] = 19;
    t.WheelSize[k] = k == 1 ? 240 : k == 2 ? 5 : k == 3 ? 195 : 30;
    t.RandomRatioFlag[k] = 1;
    t.RandomSizeFlag[k] = 1;
  }
  engine::ClearUnusedWheels(w);  // the wheels above the start count "3"
  w.SavedWheelCount = std::string("3");
  w.WheelCount = 3;
  w.StartFolder = w.services.CurrentFolder();
  w.DrawRed = 255;
  w.DrawGreen = 0;
  w.DrawBlue = 0;
  w.draw.GradientDirRed = w.draw.GradientDirGreen = w.draw.GradientDirBlue = 1;
  w.CmdColorBar.SetBackColor(w.Canvas.ForeColor());
  w.Canvas.SetBackColor(0xFFFFFF);
  // The window and the canvas cover the screen.
  const int width = w.services.ScreenWidth(), height = w.services.ScreenHeight();
  w.form.SetPixelSize(width, height);
  w.Canvas.SetPixelSize(width, height);
  w.Canvas.Move({0, 0, width * forms::kTwipsPerPixel, height * forms::kTwipsPerPixel});
  w.Canvas.SetScaleMode(0);
  w.ScreenPixelsX = static_cast<float>(width);
  w.ScreenPixelsY = static_cast<float>(height);
  w.Canvas.SetScaleHeight(w.ScreenPixelsY * 1.05);
  w.Canvas.SetScaleWidth(w.ScreenPixelsX * 1.05);
  w.Canvas.SetScaleTop(-w.Canvas.ScaleHeight() / 2);
  w.Canvas.SetScaleLeft(-w.Canvas.ScaleWidth() / 2);
  w.Canvas.SetDrawWidth(1);
  // The size bar starts elsewhere, so its Change runs: the size field, the
  // closing rotation count and the fitted scale follow wheel 1.
  w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[1]));
}

void CmdExit_Click(TrochelaMain& w) { w.form.EndProgram(0); }

void CmdStop_Click(TrochelaMain& w) { w.StopRequested = -1; }

void WireHandlers(TrochelaMain& w) {
  WireFieldRepairs(w);
  WireFocusReturningBoxes(w);
  w.CmdDraw.Click = [&w] { engine::CmdDraw_Click(w); };
  w.CmdStop.Click = [&w] { CmdStop_Click(w); };
  w.CmdExit.Click = [&w] { CmdExit_Click(w); };
  w.CmdSetForeColor.Click = [&w] { CmdSetForeColor_Click(w); };
  w.CmdSetBackColor.Click = [&w] { CmdSetBackColor_Click(w); };
  w.CmdThick.Click = [&w] { CmdThick_Click(w); };
  w.CmdRightScrollWheel.Click = [&w] { wheels::CmdRightScrollWheel_Click(w); };
  w.CmdLeftScrollWheel.Click = [&w] { wheels::CmdLeftScrollWheel_Click(w); };
  w.ScrollOffset.Change = [&w] { wheels::ScrollOffset_Change(w); };
  w.ScrollRatio.Change = [&w] { wheels::ScrollRatio_Change(w); };
  w.ScrollSize.Change = [&w] { wheels::ScrollSize_Change(w); };
  w.ScrollOffset.Scroll = [&w] { wheels::ScrollOffset_Scroll(w); };
  w.ScrollRatio.Scroll = [&w] { wheels::ScrollRatio_Scroll(w); };
  w.ScrollSize.Scroll = [&w] { wheels::ScrollSize_Scroll(w); };
  w.ChkMulti.Click = [&w] { wheels::ChkMulti_Click(w); };
  w.CmdRandom.Click = [&w] { random_pictures::CmdRandom_Click(w); };
  w.CmdSlide.Click = [&w] { random_pictures::CmdSlide_Click(w); };
  w.CmdSymmetry.Click = [&w] { random_pictures::CmdSymmetry_Click(w); };
  w.CmdColorBar.MouseDown = [&w](int button, int, float, float) {
    random_pictures::CmdColorBar_MouseDown(w, button);
  };
  w.CmdColorBar.KeyPress = [&w](int& key) { random_pictures::CmdColorBar_KeyPress(w, key); };
  w.ChkF.Click = [&w] { wheels::ChkF_Click(w); };
  w.ChkR1.MouseUp = [&w](int button, int, float, float) { wheels::ChkR1_MouseUp(w, button); };
  w.ChkWheelAll.Click = [&w] { wheels::ChkWheelAll_Click(w); };
  w.ChkRatioAll.Click = [&w] { wheels::ChkRatioAll_Click(w); };
  w.LblRatios.Click = [&w] { wheels::LblRatios_Click(w); };
  w.CmdWheelLimit.MouseDown = [&w](int button, int, float, float) {
    wheels::CmdWheelLimit_MouseDown(w, button);
  };
  w.Canvas.MouseDown = [&w](int button, int shift, float, float) {
    canvas::Canvas_MouseDown(w, button, shift);
  };
  w.Canvas.MouseMove = [&w](int, int, float x, float y) { canvas::Canvas_MouseMove(w, x, y); };
  w.Canvas.KeyPress = [&w](int& key) { canvas::Canvas_KeyPress(w, key); };
  // Files, printing and the picture buffers; Backspace on the buttons that
  // change the picture undoes the change.
  w.CmdOpen.Click = [&w] { files::CmdOpen_Click(w); };
  w.CmdSave.Click = [&w] { files::CmdSave_Click(w); };
  w.CmdLoadParms.Click = [&w] { files::CmdLoadParms_Click(w); };
  w.CmdSaveParms.Click = [&w] { files::CmdSaveParms_Click(w); };
  w.CmdPrint.Click = [&w] { files::CmdPrint_Click(w); };
  w.CmdFrame.Click = [&w] { files::CmdFrame_Click(w); };
  w.CmdSnap.Click = [&w] { files::CmdSnap_Click(w); };
  w.CmdClear.Click = [&w] { files::CmdClear_Click(w); };
  w.CmdClear.KeyPress = [&w](int& key) { files::CmdClear_KeyPress(w, key); };
  w.CmdDraw.KeyPress = [&w](int& key) { files::CmdDraw_KeyPress(w, key); };
  w.CmdSetBackColor.KeyPress = [&w](int& key) { files::CmdSetBackColor_KeyPress(w, key); };
}

}  // namespace app
