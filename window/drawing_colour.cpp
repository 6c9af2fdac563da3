#include "window/drawing_colour.h"

#include "window/trochela_main.h"

namespace window {

void SetDrawingColour(TrochelaMain& w, const base::Rgb& components, uint32_t shown) {
  w.DrawRed = components.red;
  w.DrawGreen = components.green;
  w.DrawBlue = components.blue;
  w.picture.penShown = shown;
  w.Canvas.SetForeColor(shown);
  w.CmdColorBar.SetBackColor(w.Canvas.ForeColor());
}

}  // namespace window
