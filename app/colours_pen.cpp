#include "app/colours_pen.h"

#include "base/colours.h"
#include "base/numbers.h"
#include "window/drawing_colour.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace app {

void CmdSetForeColor_Click(TrochelaMain& w) {
  const int depth = w.services.ColorDepth();
  if (auto chosen = w.services.ShowColor(w.Canvas.ForeColor())) {
    base::Rgb c = base::Components(*chosen);
    if (depth == 16) c = base::Reduce16(c);
    window::SetDrawingColour(w, c, base::RgbColor(c));
  }
  w.Canvas.SetFocus();
}

void CmdSetBackColor_Click(TrochelaMain& w) {
  const int depth = w.services.ColorDepth();
  // The picture that the new background erases can come back with Backspace.
  window::SaveUndo(w.Pictures());
  if (auto chosen = w.services.ShowColor(w.Canvas.BackColor())) {
    w.Canvas.SetPicture({});
    base::Rgb c = base::Components(*chosen);
    if (depth == 16) c = base::Reduce16(c);
    // The drawing colour's components are not touched by a new background.
    w.Canvas.SetBackColor(depth == 16 ? base::RgbColor(c) : (*chosen & 0xFFFFFFu));
  }
  w.Canvas.SetFocus();
}

void CmdThick_Click(int16_t& penStep, forms::CommandButton& button, forms::PictureBox& canvas) {
  // The pen's steps 1 to 4 and their widths in pixels.
  static constexpr int kWidths[] = {1, 2, 4, 8};
  penStep = static_cast<int16_t>(penStep % 4 + 1);
  button.SetCaption(std::to_string(penStep));
  canvas.SetDrawWidth(kWidths[penStep - 1]);
}

void ChkAspect_Click(forms::PictureBox& canvas) { canvas.SetFocus(); }
void ChkClear_Click(forms::PictureBox& canvas) { canvas.SetFocus(); }
void ChkRotStart_Click(forms::PictureBox& canvas) { canvas.SetFocus(); }
void ChkColor_Click(forms::PictureBox& canvas) { canvas.SetFocus(); }
void ChkResolution_Click(forms::PictureBox& canvas) { canvas.SetFocus(); }
void ChkScale_Click(forms::PictureBox& canvas) { canvas.SetFocus(); }

}  // namespace app
