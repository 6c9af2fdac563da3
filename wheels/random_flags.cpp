#include "wheels/random_flags.h"

#include <array>
#include <cmath>

#include "base/input_codes.h"
#include "base/numbers.h"
#include "base/wheel_table.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace wheels {
namespace {

// The wheel shown when it is one; the flags are never written outside
// wheels 1..24.
int TakeShownFlagWheel(window::TrochelaMain& w) {
  const int c = window::TakeShownWheel(w.CurrentWheel, w.ShownWheelNumber);
  return base::IsWheel(c) ? c : 0;
}

void SetAllFlags(window::TrochelaMain& w, const forms::CheckBox& master,
                 std::array<int16_t, base::kWheels + 1>& flags, forms::CheckBox& shown) {
  const int16_t v = master.Value() != 0 ? 1 : 0;
  // Setting the wheel's box runs its Click, which stores the same value for
  // the wheel shown.
  for (w.draw.LoopIndex = 1; w.draw.LoopIndex <= base::kWheels; ++w.draw.LoopIndex) {
    flags[w.draw.LoopIndex] = v;
    shown.SetValue(v);
  }
}

}  // namespace

void ChkF_Click(window::TrochelaMain& w) {
  if (const int c = TakeShownFlagWheel(w))
    w.wheels.RandomSizeFlag[c] = static_cast<int16_t>(w.ChkF.Value());
}

void ChkR1_MouseUp(window::TrochelaMain& w, int button) {
  if (button != base::kLeftButton) return;
  // A ratio beyond the 16-bit range gives the largest limit there is.
  if (w.ChkR1.Value() != 0) w.RatioLimit = base::ToInt16(std::fabs(w.TxtRatio1.Number()));
  if (const int c = TakeShownFlagWheel(w))
    w.wheels.RandomRatioFlag[c] = static_cast<int16_t>(w.ChkR1.Value());
}

void ChkWheelAll_Click(window::TrochelaMain& w) {
  SetAllFlags(w, w.ChkWheelAll, w.wheels.RandomSizeFlag, w.ChkF);
}

void ChkRatioAll_Click(window::TrochelaMain& w) {
  SetAllFlags(w, w.ChkRatioAll, w.wheels.RandomRatioFlag, w.ChkR1);
}

void LblRatios_Click(forms::Label& label, bool& negativeSizes) {
  negativeSizes = !negativeSizes;
  label.SetFontUnderline(negativeSizes);
}

void LblRatios_Shortcut(forms::Label& label, bool& negativeSizes) {
  if (label.Reachable()) LblRatios_Click(label, negativeSizes);
}

}  // namespace wheels
