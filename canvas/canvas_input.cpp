#include "canvas/canvas_input.h"

#include <cmath>

#include "app/colours.h"
#include "app/main_window.h"
#include "app/panel.h"
#include "forms/numbers.h"
#include "forms/raster.h"

namespace canvas {
namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
constexpr int kShiftOnly = 1;
constexpr int kEsc = 27, kSpace = 32;
constexpr int kSolid = 0, kTransparent = 1;

void FillSequence(app::TrochelaMain& w, bool mirrored) {
  w.Canvas.SetFillStyle(kSolid);
  w.Canvas.SetFillColor(w.Canvas.ForeColor());
  const int64_t target = w.Canvas.Point(w.MouseX, w.MouseY);
  w.FillTargetColor = static_cast<uint32_t>(target);
  w.Undo.SetPictureFromImage(w.Canvas);
  const int16_t x = w.MouseX, y = w.MouseY;
  FillAtPoint(w, x, y);
  if (mirrored) {
    // The eight mirror images about the centre; each replaces the colour taken
    // at the clicked point, so one already covered fills nothing.
    const int16_t points[7][2] = {{int16_t(-x), int16_t(-y)}, {x, int16_t(-y)}, {int16_t(-x), y},
                                  {y, x}, {int16_t(-y), int16_t(-x)}, {y, int16_t(-x)},
                                  {int16_t(-y), x}};
    for (const auto& p : points) FillAtPoint(w, p[0], p[1]);
  }
  w.Canvas.SetFillStyle(kTransparent);
  w.Canvas.SetFocus();
}

}  // namespace

void Canvas_MouseMove(app::TrochelaMain& w, float x, float y) {
  w.MouseX = num::ToInt16(x);
  w.MouseY = num::ToInt16(y);
}

void Canvas_MouseDown(app::TrochelaMain& w, int button, int shift) {
  if (button == kRight) {
    if (w.CmdColorBar.Visible())
      app::HideControlPanel(w);
    else
      app::ShowControlPanel(w);
  } else if (button == kMiddle) {
    FillSequence(w, shift == kShiftOnly);
  } else if (button == kLeft) {
    // The left button only moves the focus to the canvas.
  }
}

void Canvas_KeyPress(app::TrochelaMain& w, int keyAscii) {
  if (keyAscii == kBackspace) {
    RestoreUndo(w);
  } else if (keyAscii == kEsc && !w.DrawingInProgress) {
    FillSequence(w, false);
  } else if (keyAscii == kSpace && !w.DrawingInProgress) {
    const int64_t colour = w.Canvas.Point(w.MouseX, w.MouseY);
    if (colour < 0) return;  // a point off the picture has no colour to pick up
    w.Canvas.SetForeColor(static_cast<uint32_t>(colour));
    w.CmdColorBar.SetBackColor(w.Canvas.ForeColor());
    const app::Rgb c = app::Components(static_cast<uint32_t>(colour));
    w.DrawRed = c.red;
    w.DrawGreen = c.green;
    w.DrawBlue = c.blue;
  }
}

void FillAtPoint(app::TrochelaMain& w, int16_t x, int16_t y) {
  const float sx = w.ScreenPixelsX / static_cast<float>(w.Canvas.ScaleWidth());
  const float sy = w.ScreenPixelsY / static_cast<float>(w.Canvas.ScaleHeight());
  double px = sx * (w.Canvas.ScaleWidth() / 2 + x);
  double py = sy * (w.Canvas.ScaleHeight() / 2 + y);
  if (px > w.ScreenPixelsX - 1) px = w.ScreenPixelsX - 1;
  if (py > w.ScreenPixelsY - 1) py = w.ScreenPixelsY - 1;
  if (px < 0) px = 0;
  if (py < 0) py = 0;
  raster::Image& img = w.Canvas.Raster();
  w.Canvas.Invalidate(raster::FloodFillSurface(img, num::ToInt32(px), num::ToInt32(py),
                                               w.FillTargetColor, w.Canvas.FillColor()));
}

void RestoreUndo(app::TrochelaMain& w) { w.Canvas.SetPicture(w.Undo.GetPicture()); }

}  // namespace canvas
