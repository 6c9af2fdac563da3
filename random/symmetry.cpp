#include "random/symmetry.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/wheel_table.h"
#include "wheels/random_flags.h"
#include "wheels/show_wheel.h"
#include "wheels/wheel_editor.h"
#include "model/picture_settings.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace random_pictures {
namespace {

constexpr double kRatioLimit = 200;

void MoveStartDown(window::TrochelaMain& w) { w.TxtNStart.SetNumber(w.TxtNStart.Number() - 1); }

}  // namespace

void CmdSymmetry_Click(window::TrochelaMain& w) {
  const double spokes = base::RoundHalfEven(std::fabs(w.TxtNFactor.Number()));
  const double start = base::RoundHalfEven(std::fabs(w.TxtNStart.Number()));
  // No spokes, no sequence: nothing to divide by.
  if (spokes == 0) return;
  // A start that is a multiple of the spoke count would give every spoke the
  // same direction: it moves one down, keeping its sign.
  if (std::fmod(start, spokes) == 0) MoveStartDown(w);
  double ratio = w.TxtNStart.Number();
  const double step = w.TxtNFactor.Number();
  const int count = std::min(model::WheelLimit(w.picture), base::kWheels);
  for (int i = 1; i <= count; ++i) {
    w.wheels.WheelRatio[i] = ratio;
    if (ratio == 0) {
      // A wheel that does not turn ends the filling; the later wheels keep
      // their ratios, and the next press starts one lower.
      MoveStartDown(w);
      break;
    }
    w.wheels.WheelRatio[i] = std::clamp(ratio, -kRatioLimit, kRatioLimit);
    ratio += step;
  }
  // The editor shows the wheel's new ratio; its bars store nothing.
  wheels::ShowWheel(w, w.ShownWheelNumber, wheels::kShowSymmetry);
  // Random keeps these ratios. Unchecking the box may run its Click already;
  // running it again gives the same result.
  w.ChkRatioAll.SetValue(0);
  wheels::ChkRatioAll_Click(w);
  w.TxtRotations.SetNumber(model::kMultiRotations);
}

}  // namespace random_pictures
