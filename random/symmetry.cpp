#include "random/symmetry.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/wheel_table.h"
#include "wheels/random_flags.h"
#include "wheels/wheel_editor.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace random_pictures {
namespace {

constexpr double kRatioLimit = 200;

void MoveStartDown(window::TrochelaMain& w) { w.TxtNStart.SetNumber(w.TxtNStart.Number() - 1); }

// The editor shows the wheel's new ratio; the bars are written with the flag
// that keeps their Change handlers from storing anything.
void ShowCurrentWheel(window::TrochelaMain& w) {
  const int c = window::ShownWheel(w);
  if (c < 1 || c > base::kWheels) return;
  const auto& t = w.wheels;
  w.ChkF.SetValue(t.RandomSizeFlag[c]);
  w.ChkR1.SetValue(t.RandomRatioFlag[c]);
  w.TxtRatio1.SetNumber(t.WheelRatio[c]);
  w.TxtFixed.SetNumber(t.WheelSize[c]);
  wheels::WidenRatioBar(w, t.WheelRatio[c]);
  w.ScrollSetByCode = -1;
  w.ScrollRatio.SetValue(base::ToInt16(t.WheelRatio[c]));  // raises ScrollRatio_Change
  w.ScrollSetByCode = -1;
  w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[c]));  // raises ScrollOffset_Change
}

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
  const int count = std::min(window::WheelLimit(w), base::kWheels);
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
  ShowCurrentWheel(w);
  // Random keeps these ratios. Unchecking the box may run its Click already;
  // running it again gives the same result.
  w.ChkRatioAll.SetValue(0);
  wheels::ChkRatioAll_Click(w);
  w.TxtRotations.SetText("7");
}

}  // namespace random_pictures
