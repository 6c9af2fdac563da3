#include "model/editor_bars.h"

#include <cmath>

#include "base/look.h"
#include "base/numbers.h"
#include "model/bindings.h"
#include "model/steps.h"

namespace model {

StartedProgram StartProgram(int width, int height) {
  StartedProgram p{StartSettings(), {}};
  PictureSettings& s = p.settings;
  for (int k = 1; k <= base::kWheels; ++k) {
    s.wheels.WheelRatio[k] = 19;
    s.wheels.WheelSize[k] = k == 1 ? 240 : k == 2 ? 5 : k == 3 ? 195 : 30;
    s.wheels.RandomRatioFlag[k] = 1;
    s.wheels.RandomSizeFlag[k] = 1;
  }
  int16_t loopIndex = 0;
  ClearUnusedWheels(s, loopIndex);
  s.ScreenPixelsX = static_cast<float>(width);
  s.ScreenPixelsY = static_cast<float>(height);
  // The size bar moves to wheel 1's 240: its notification stores it, writes
  // the closing rotation count and fits the scales.
  p.bars.offset = base::ToInt16(s.wheels.WheelSize[1]);
  s.wheels.WheelSize[1] = p.bars.offset;
  WriteClosingRotations(s);
  if (s.ScaleRefresh != 0) FitScale(s, loopIndex);
  return p;
}

void RepairWheelSize(Field& f, bool multi) {
  if (!Field::IsNumber(f.Text())) f.Set("1");
  if (!multi) f.SetNumber(std::floor(f.Number()));
  if (f.Number() > kMostWheelSize) f.SetNumber(kMostWheelSize);
  if (f.Number() < -kMostWheelSize) f.SetNumber(-kMostWheelSize);
  if (f.Number() == 0) f.Set("1");
}

double RepairedWheelSize(const PictureSettings& s, double size) {
  Field f;
  f.SetNumber(size);
  RepairWheelSize(f, s.Multi != 0);
  return f.Number();
}

}  // namespace model
