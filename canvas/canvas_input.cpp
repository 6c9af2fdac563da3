#include "canvas/canvas_input.h"

#include <cmath>

#include "base/colours.h"
#include "base/input_codes.h"
#include "base/numbers.h"
#include "base/raster.h"
#include "random/random_picture.h"
#include "window/drawing_colour.h"
#include "window/panel.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace canvas {
namespace {

constexpr int kRandomKey = 100;  // d, lower case only
constexpr int kSolid = 0, kTransparent = 1;

// Fills the region of FillTargetColor around a canvas point with the drawing
// colour; points outside the picture are moved to its edge.
void FillAtPoint(window::TrochelaMain& w, int16_t x, int16_t y) {
  const float sx = w.ScreenPixelsX / static_cast<float>(w.Canvas.ScaleWidth());
  const float sy = w.ScreenPixelsY / static_cast<float>(w.Canvas.ScaleHeight());
  double px = sx * (w.Canvas.ScaleWidth() / 2 + x);
  double py = sy * (w.Canvas.ScaleHeight() / 2 + y);
  if (px > w.ScreenPixelsX - 1) px = w.ScreenPixelsX - 1;
  if (py > w.ScreenPixelsY - 1) py = w.ScreenPixelsY - 1;
  if (px < 0) px = 0;
  if (py < 0) py = 0;
  base::Image& img = w.Canvas.EditRaster();
  w.Canvas.Invalidate(base::FloodFillSurface(img, base::ToInt32(px), base::ToInt32(py),
                                             w.FillTargetColor, w.Canvas.FillColor()));
}

void FillSequence(window::TrochelaMain& w, bool mirrored) {
  w.Canvas.SetFillStyle(kSolid);
  w.Canvas.SetFillColor(w.Canvas.ForeColor());
  const int64_t target = w.Canvas.Point(w.MouseX, w.MouseY);
  w.FillTargetColor = static_cast<uint32_t>(target);
  window::SaveUndo(w.Pictures());
  const int16_t x = w.MouseX, y = w.MouseY;
  // A point off the picture has no colour to replace: such a fill fills
  // nothing, though the fill itself would clamp to the picture's edge.
  if (target >= 0) {
    FillAtPoint(w, x, y);
    if (mirrored) {
      // The eight mirror images about the centre; each replaces the colour
      // taken at the clicked point, so one already covered fills nothing.
      const int16_t points[7][2] = {
          {int16_t(-x), int16_t(-y)}, {x, int16_t(-y)}, {int16_t(-x), y}, {y, x},
          {int16_t(-y), int16_t(-x)}, {y, int16_t(-x)}, {int16_t(-y), x}};
      for (const auto& p : points) FillAtPoint(w, p[0], p[1]);
    }
  }
  w.Canvas.SetFillStyle(kTransparent);
  w.Canvas.SetFocus();
}

}  // namespace

void Canvas_MouseMove(int16_t& MouseX, int16_t& MouseY, float x, float y) {
  MouseX = base::ToInt16(x);
  MouseY = base::ToInt16(y);
}

// The left button only gives the canvas the focus, as every press does.
void Canvas_MouseDown(window::TrochelaMain& w, int button, int shift) {
  if (button == base::kRightButton) {
    TogglePanel(w);
  } else if (button == base::kMiddleButton) {
    FillSequence(w, shift == base::kShiftKey);
  }
}

void TogglePanel(window::TrochelaMain& w) {
  window::ShowControlPanel(w, !w.CmdColorBar.Visible());
}

void Canvas_KeyPress(window::TrochelaMain& w, int keyAscii) {
  window::RestoreUndoOnBackspace(w.Canvas, w.Undo, keyAscii);
  if (keyAscii == base::kKeyEscape && !w.DrawingInProgress) {
    FillSequence(w, false);
  } else if (keyAscii == base::kKeySpace && !w.DrawingInProgress) {
    const int64_t colour = w.Canvas.Point(w.MouseX, w.MouseY);
    if (colour < 0) return;  // a point off the picture has no colour to pick up
    const auto picked = static_cast<uint32_t>(colour);
    window::SetDrawingColour(w, base::Components(picked), picked);
  } else if (keyAscii == kRandomKey && !w.DrawingInProgress) {
    // Random keeps the picture for undo as its first step.
    random_pictures::CmdRandom_Click(w);
  }
}

}  // namespace canvas
