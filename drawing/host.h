#pragma once
// What a drawing needs from where it runs, and all it tells it: the lines'
// target, the yields, the stop flag, the captions it shows and the handlers
// that its writes raise in a window. A picture drawn without a window takes
// the defaults (nothing to show, nobody to yield to); the window implements
// them over its controls (engine/draw_driver.cpp).
#include <cstdint>

#include "base/line_log.h"
#include "base/raster.h"
#include "model/picture_settings.h"

namespace drawing {

// Where the lines go: the pixels, the log that keeps them as vectors (none:
// pixels only), the unit-to-pixel mapping, the pen's colour and width.
struct LineTarget {
  base::Image* image = nullptr;
  base::LineLog* log = nullptr;
  base::Mapping mapping;
  uint32_t colour = 0;
  int width = 1;
};

class Host {
 public:
  virtual ~Host() = default;
  // The target, read at the start of each pass and after every yield.
  virtual LineTarget Target(const model::PictureSettings& s) = 0;
  // Set while a stop is asked for; read at every step.
  virtual const int16_t& StopFlag() const = 0;
  // The colour depth of the screen the gradient's colours are shown on.
  virtual int ColorDepth() const { return 32; }

  // The drawing starts (it counts as running from here) and ends.
  virtual void Started(model::PictureSettings&) {}
  virtual void Ended(model::PictureSettings&) {}
  // Every 100 steps, with `changed` the pixels drawn since the last yield:
  // what the settings hold is shown, handlers may run (and change the
  // settings), and the drawing reads them again.
  virtual void Yield(model::PictureSettings&, const base::Rect& changed) { (void)changed; }
  // A pass starts; its curve repeats itself after the curve parameter
  // `closesAt` (0: never within reach). A plot keeps one period of it.
  virtual void PassBegins(const model::PictureSettings&, double closesAt) { (void)closesAt; }
  // The pixels a pass drew since the last yield, at its end.
  virtual void PassDrawn(const base::Rect& changed) { (void)changed; }
  // The rotation the pass is at (LblRot).
  virtual void ShowRotation(long long n) { (void)n; }
  // Pen+ moved wheel 3; the drawing's end put it back.
  virtual void PenMoved(model::PictureSettings&) {}
  virtual void PenRestored(model::PictureSettings&) {}
  // The gradient stepped the pen's colour.
  virtual void ColourStepped(model::PictureSettings&) {}
};

}  // namespace drawing
