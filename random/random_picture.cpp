#include "random/random_picture.h"

#include <cmath>

#include "base/numbers.h"
#include "base/rnd.h"
#include "base/wheel_table.h"
#include "engine/draw_driver.h"
#include "engine/scale_fit.h"
#include "random/colour_bar.h"
#include "wheels/show_wheel.h"
#include "wheels/wheel_editor.h"
#include "window/captions.h"
#include "window/trochela_main.h"
#include "window/undo.h"

namespace random_pictures {
namespace {

constexpr int kPositive = 2;  // the sign coin: 1 makes the value negative

// Int(Rnd * range): the product formed in double precision from the
// single-precision draw, then rounded down.
double Pick(base::Rnd& rnd, double range) {
  return std::floor(static_cast<double>(rnd.Next()) * range);
}

int SignCoin(base::Rnd& rnd) { return static_cast<int>(Pick(rnd, 2)) + 1; }

void PickSizes(window::TrochelaMain& w) {
  auto& t = w.wheels;
  // Wheel 1, the fixed wheel of a single-wheel picture, is never negative.
  if (t.RandomSizeFlag[1]) t.WheelSize[1] = Pick(w.rnd, 450) + 1;
  // Single-wheel pictures turn the rolling wheel and the pen value round
  // half of the time; multi-wheel ones only when the "Ratio" label says so.
  const bool negativeAllowed = w.NegativeSizes || w.ChkMulti.Value() == 0;
  for (int i = 2; i <= base::kWheels; ++i) {
    if (!t.RandomSizeFlag[i]) continue;
    t.WheelSize[i] = Pick(w.rnd, 150) + 1;
    // The coin is drawn whether or not it is used, so that the sequence
    // does not depend on the mode.
    if (SignCoin(w.rnd) != kPositive && negativeAllowed) t.WheelSize[i] = -t.WheelSize[i];
  }
}

// Multi-wheel mode only: the mode box and the wheel's flag are joined bit by
// bit, as the two check-box values they are.
void PickRatios(window::TrochelaMain& w) {
  auto& t = w.wheels;
  for (int i = 1; i <= base::kWheels; ++i) {
    if ((w.ChkMulti.Value() & t.RandomRatioFlag[i]) == 0) continue;
    double ratio = Pick(w.rnd, w.RatioLimit) + 1;
    // Odd ratios keep a multi-wheel picture symmetrical; the ratio may then
    // pass RatioLimit by one.
    if (w.ChkEven.Value() != 0 && std::fmod(ratio, 2) == 0) ratio += 1;
    if (SignCoin(w.rnd) != kPositive) ratio = -ratio;
    t.WheelRatio[i] = ratio;
  }
}

// The editor shows the new values of its wheel. The scroll-bar writes run
// their Change handlers (the flag that silences them is not set), which store
// the bars' whole numbers back and apply the rotation rule and the scale
// fitting; both are done again below with the final values.
void ShowCurrentWheel(window::TrochelaMain& w) {
  const int c = window::ShownWheel(w);
  w.CurrentWheel = static_cast<int16_t>(c);
  // The ratio bar grows symmetrically to hold the ratio and never shrinks; a
  // ratio beyond a bar's 16-bit range is shown at the end of the bar, while
  // the field and the table keep it.
  wheels::ShowWheel(w, c, wheels::kShowRandomPicture);
}

void SetRotations(window::TrochelaMain& w) {
  if (w.ChkMulti.Value() != 0) {
    if (w.TxtRotations.Number() < 7) w.TxtRotations.SetText("7");
  } else {
    // A size pair without a closing count (a zero or fractional size from a
    // parameter file) leaves the field as it is.
    wheels::WriteClosingRotations(w);
  }
}

void PickResolution(window::TrochelaMain& w) {
  w.TxtResolution.SetNumber(Pick(w.rnd, 120) + 4);
  // Multi-wheel pictures need finer steps: the second draw replaces the first.
  if ((w.ChkResolution.Value() & w.ChkMulti.Value()) != 0)
    w.TxtResolution.SetNumber(Pick(w.rnd, 899) + 100);
}

}  // namespace

void CmdRandom_Click(window::TrochelaMain& w) {
  window::SaveUndo(w);
  // The last snapped picture is the background of the new one unless the
  // canvas is to be cleared.
  window::StartFromSnapOrBlank(w, w.ChkClear.Value() != 0);
  PickRandomSettings(w);
  engine::DrawChosenRoutine(w);
}

void PickRandomSettings(window::TrochelaMain& w) {
  PickSizes(w);
  PickRatios(w);
  ShowCurrentWheel(w);
  engine::ClearUnusedWheels(w);
  SetRotations(w);
  if (w.ChkColor.Value() != 0) PickDrawingColour(w);
  if (w.ChkScale.Value() != 0) engine::FitScale(w);
  if (w.ChkResolution.Value() != 0) PickResolution(w);
}

}  // namespace random_pictures
