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
  window::SaveUndo(w);
  if (auto chosen = w.services.ShowColor(w.Canvas.BackColor())) {
    w.Canvas.SetPicture({});
    base::Rgb c = base::Components(*chosen);
    if (depth == 16) c = base::Reduce16(c);
    // The drawing colour's components are not touched by a new background.
    w.Canvas.SetBackColor(depth == 16 ? base::RgbColor(c) : (*chosen & 0xFFFFFFu));
  }
  w.Canvas.SetFocus();
}

void CmdThick_Click(TrochelaMain& w) {
  struct Setting {
    double caption;
    const char* next;
    int width;
  };
  static constexpr Setting kPens[] = {{1, "2", 2}, {2, "3", 4}, {3, "4", 8}, {4, "1", 1}};
  const double shown = base::Val(w.CmdThick.Caption());
  for (const Setting& s : kPens)
    if (shown == s.caption) {
      w.CmdThick.SetCaption(s.next);
      w.Canvas.SetDrawWidth(s.width);
      return;
    }
}

void ChkAspect_Click(TrochelaMain& w) { w.Canvas.SetFocus(); }
void ChkClear_Click(TrochelaMain& w) { w.Canvas.SetFocus(); }
void ChkRotStart_Click(TrochelaMain& w) { w.Canvas.SetFocus(); }
void ChkColor_Click(TrochelaMain& w) { w.Canvas.SetFocus(); }
void ChkResolution_Click(TrochelaMain& w) { w.Canvas.SetFocus(); }
void ChkScale_Click(TrochelaMain& w) { w.Canvas.SetFocus(); }

}  // namespace app
