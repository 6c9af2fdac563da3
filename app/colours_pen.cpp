#include "app/colours_pen.h"

#include "base/colours.h"
#include "base/numbers.h"
#include "window/picture_buffers.h"
#include "window/trochela_main.h"

namespace app {

void CmdSetForeColor_Click(TrochelaMain& w) {
  const int depth = w.services.ColorDepth();
  if (auto chosen = w.services.ShowColor(w.Canvas.ForeColor())) {
    base::Rgb c = base::Components(*chosen);
    if (depth == 16) c = base::Reduce16(c);
    w.DrawRed = c.red;
    w.DrawGreen = c.green;
    w.DrawBlue = c.blue;
    w.Canvas.SetForeColor(depth == 16 ? base::RgbColor(c) : (*chosen & 0xFFFFFFu));
    w.CmdColorBar.SetBackColor(w.Canvas.ForeColor());
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

void WireFocusReturningBoxes(TrochelaMain& w) {
  for (forms::CheckBox* box :
       {&w.ChkAspect, &w.ChkClear, &w.ChkRotStart, &w.ChkColor, &w.ChkResolution, &w.ChkScale})
    box->Click = [&w] { w.Canvas.SetFocus(); };
}

}  // namespace app
