#pragma once
// The program as it stands when it has just started on a screen, as a value:
// its settings and the wheel editor's bars, whose notifications change the
// settings when code moves them (a bar stores its whole number into the
// wheel shown unless code silenced it first). Pictures drawn without a window
// start here, load parameter files into it (files/parms_settings.h) and draw
// its settings, with the same result as the window's load step and Draw.
#include <cstdint>

#include "model/picture_settings.h"

namespace model {

struct EditorBars {
  int offset = 1;  // ScrollOffset, -450..450
  int ratio = 1;   // ScrollRatio, widened to the largest ratio shown
  int ratioMin = -200, ratioMax = 200;
  int size = 100;          // ScrollSize, 1..500
  bool setByCode = false;  // ScrollSetByCode: the next bar notification does nothing
};

struct StartedProgram {
  PictureSettings settings;
  EditorBars bars;
};

// The load step on a screen of width x height pixels: the start wheels (240,
// 5, 195, then 30; ratios 19), red, and the size bar moved to wheel 1, which
// writes the closing rotation count and fits the scales.
StartedProgram StartProgram(int width, int height);

// The repair of a wheel size's field when it is left: a number (else 1),
// floored in single-wheel mode, within +-kMostWheelSize, never 0.
void RepairWheelSize(Field& f, bool multi);
// The wheel size that repair keeps.
double RepairedWheelSize(const PictureSettings& s, double size);

}  // namespace model
