#include "app/startup.h"

#include <cmath>

#include "app/wire_handlers.h"
#include "base/look.h"
#include "base/numbers.h"
#include "engine/draw_driver.h"
#include "engine/scale_fit.h"
#include "model/steps.h"
#include "window/drawing_colour.h"
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
  model::ClearUnusedWheels(w.picture, w.draw.LoopIndex);  // above the start count
  w.SavedWheelCount = std::string(model::kStartWheelCount);
  w.WheelCount = 3;
  w.StartFolder = w.services.CurrentFolder();
  window::SetDrawingColour(w, {255, 0, 0}, base::kRed);
  w.draw.GradientDirRed = w.draw.GradientDirGreen = w.draw.GradientDirBlue = 1;
  w.Canvas.SetBackColor(0xFFFFFF);
  // The window and the canvas cover the screen: the window in the layout's
  // logical pixels, the canvas's picture in the screen's device pixels.
  const int width = w.services.ScreenWidth(), height = w.services.ScreenHeight();
  const int logicalWidth = static_cast<int>(std::lround(width / w.services.PixelRatio()));
  const int logicalHeight = static_cast<int>(std::lround(height / w.services.PixelRatio()));
  w.form.SetPixelSize(logicalWidth, logicalHeight);
  w.Canvas.SetPixelSize(width, height);
  w.Canvas.Move(
      {0, 0, logicalWidth * forms::kTwipsPerPixel, logicalHeight * forms::kTwipsPerPixel});
  w.Canvas.SetScaleMode(0);
  w.ScreenPixelsX = static_cast<float>(width);
  w.ScreenPixelsY = static_cast<float>(height);
  const base::Mapping screen = base::ScreenMapping(width, height);
  w.Canvas.SetScaleHeight(screen.scaleHeight);
  w.Canvas.SetScaleWidth(screen.scaleWidth);
  w.Canvas.SetScaleTop(screen.scaleTop);
  w.Canvas.SetScaleLeft(screen.scaleLeft);
  w.Canvas.SetDrawWidth(1);
  // The size bar starts elsewhere, so its Change runs: the size field, the
  // closing rotation count and the fitted scale follow wheel 1.
  w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[1]));  // raises ScrollOffset_Change
}

std::unique_ptr<TrochelaMain> StartWindow(forms::Services& services, std::optional<double> seed,
                                          WindowShown shown) {
  auto w = std::make_unique<TrochelaMain>(services);
  WireHandlers(*w);
  Form_Load(*w, seed.has_value(), seed.value_or(0));
  if (shown == WindowShown::Unseen)
    w->form.ShowUnseen();
  else
    w->form.Show(shown == WindowShown::FullScreen);
  w->Canvas.SetFocus();
  return w;
}

void CmdExit_Click(forms::Form& form) { form.EndProgram(0); }

void CmdStop_Click(int16_t& StopRequested) { StopRequested = -1; }

}  // namespace app
