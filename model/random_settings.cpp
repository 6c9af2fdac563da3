#include "model/random_settings.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/numbers.h"
#include "base/rnd.h"
#include "model/steps.h"

namespace model {
namespace {

// Int(r * range / step) * step, the product formed in double precision.
int32_t Steps(base::Rnd& rnd, double range, int step) {
  const double r = rnd.Next();
  return static_cast<int32_t>(std::floor(r * range / step)) * step;
}

constexpr int kPositive = 2;  // the sign coin: 1 makes the value negative

// Int(Rnd * range): the product formed in double precision from the
// single-precision draw, then rounded down.
double Pick(base::Rnd& rnd, double range) {
  return std::floor(static_cast<double>(rnd.Next()) * range);
}

int SignCoin(base::Rnd& rnd) { return static_cast<int>(Pick(rnd, 2)) + 1; }

void PickSizes(PictureSettings& s, base::Rnd& rnd, const RandomRules& rules) {
  auto& t = s.wheels;
  // Wheel 1, the fixed wheel of a single-wheel picture, is never negative.
  if (t.RandomSizeFlag[1]) t.WheelSize[1] = Pick(rnd, kMostWheelSize) + 1;
  // Single-wheel pictures turn the rolling wheel and the pen value round
  // half of the time; multi-wheel ones only when negative sizes are allowed.
  const bool negativeAllowed = rules.negativeSizes || s.Multi == 0;
  for (int i = 2; i <= base::kWheels; ++i) {
    if (!t.RandomSizeFlag[i]) continue;
    t.WheelSize[i] = Pick(rnd, 150) + 1;
    // The coin is drawn whether or not it is used, so that the sequence
    // does not depend on the mode.
    if (SignCoin(rnd) != kPositive && negativeAllowed) t.WheelSize[i] = -t.WheelSize[i];
  }
}

// Multi-wheel mode only: the mode box and the wheel's flag are joined bit by
// bit, as the two check-box values they are.
void PickRatios(PictureSettings& s, base::Rnd& rnd, const RandomRules& rules) {
  auto& t = s.wheels;
  for (int i = 1; i <= base::kWheels; ++i) {
    if ((s.Multi & t.RandomRatioFlag[i]) == 0) continue;
    double ratio = Pick(rnd, rules.ratioLimit) + 1;
    // Odd ratios keep a multi-wheel picture symmetrical; the ratio may then
    // pass the limit by one.
    if (rules.even != 0 && std::fmod(ratio, 2) == 0) ratio += 1;
    if (SignCoin(rnd) != kPositive) ratio = -ratio;
    t.WheelRatio[i] = ratio;
  }
}

// A bar that code moves without silencing it stores its whole number into
// the wheel shown, with the rotation rule of the mode and the scale fitting
// (both are done again at the end with the final values).
void BarStored(PictureSettings& s, const RandomRules& rules, int16_t& loopIndex) {
  if (s.Multi == 0 && !rules.drawing) WriteClosingRotations(s);
  Field& rotations = s[FieldId::Rotations];
  if (s.Multi != 0 && !rules.drawing)
    if (auto r = base::ParseNumber(rotations.Text(), base::UserDecimalSeparator()); r && *r < kMultiRotations)
      rotations.Set(std::to_string(kMultiRotations));
  if (s.ScaleRefresh != 0) FitScale(s, loopIndex);
}

void MoveOffsetBar(PictureSettings& s, EditorBars& bars, int value, int n, const RandomRules& rules,
                   int16_t& loopIndex) {
  const int most = static_cast<int>(kMostWheelSize);
  value = std::clamp(value, -most, most);
  if (value == bars.offset) return;
  bars.offset = value;
  if (!bars.setByCode) {
    const bool isWheel = base::IsWheel(n);
    if (isWheel) s.wheels.WheelSize[n] = value;
    if (s.Multi == 0 && !rules.drawing && n >= 1 && n <= 3 && isWheel &&
        s.wheels.WheelSize[n] == 0) {
      s.wheels.WheelSize[n] = 1;
      MoveOffsetBar(s, bars, 1, n, rules, loopIndex);
    }
    BarStored(s, rules, loopIndex);
  }
  bars.setByCode = false;
}

void MoveRatioBar(PictureSettings& s, EditorBars& bars, int value, int n, const RandomRules& rules,
                  int16_t& loopIndex) {
  value = std::clamp(value, std::min(bars.ratioMin, bars.ratioMax),
                     std::max(bars.ratioMin, bars.ratioMax));
  if (value == bars.ratio) return;
  bars.ratio = value;
  if (!bars.setByCode) {
    if (base::IsWheel(n)) s.wheels.WheelRatio[n] = value;
    BarStored(s, rules, loopIndex);
  }
  bars.setByCode = false;
}

}  // namespace

void PickRandomSettings(PictureSettings& s, EditorBars& bars, base::Rnd& rnd, const RandomRules& rules,
                        int16_t& loopIndex, RandomHost* host) {
  PickSizes(s, rnd, rules);
  PickRatios(s, rnd, rules);
  // The editor shows the new values of its wheel. The ratio bar grows
  // symmetrically to hold the ratio and never shrinks; a ratio beyond a
  // bar's 16-bit range is shown at the end of the bar, while the table keeps
  // it.
  const int c = rules.shownWheel;
  if (base::IsWheel(c)) {
    const double ratio = s.wheels.WheelRatio[c];
    if (std::fabs(ratio) > bars.ratioMax) {
      bars.ratioMax = base::ToInt16(std::fabs(ratio));
      bars.ratioMin = -bars.ratioMax;
    }
    MoveOffsetBar(s, bars, base::ToInt16(s.wheels.WheelSize[c]), c, rules, loopIndex);
    MoveRatioBar(s, bars, base::ToInt16(s.wheels.WheelRatio[c]), c, rules, loopIndex);
  }
  ClearUnusedWheels(s, loopIndex);
  Field& rotations = s[FieldId::Rotations];
  if (s.Multi != 0) {
    if (rotations.Number() < kMultiRotations) rotations.Set(std::to_string(kMultiRotations));
  } else {
    // A size pair without a closing count (a zero or fractional size from a
    // parameter file) leaves the field as it is.
    WriteClosingRotations(s);
  }
  if (rules.colourRefresh != 0) {
    s.pen = PickColour(rnd, rules.colorDepth);
    s.penShown = ShownColour(s.pen);
    if (host) host->ColourPicked(s, bars);
  }
  if (s.ScaleRefresh != 0) FitScale(s, loopIndex);
  if (rules.resolutionRefresh != 0) {
    Field& resolution = s[FieldId::Resolution];
    resolution.SetNumber(Pick(rnd, 120) + 4);
    // Multi-wheel pictures need finer steps: the second draw replaces the first.
    if ((rules.resolutionRefresh & s.Multi) != 0) resolution.SetNumber(Pick(rnd, 899) + 100);
  }
}

base::Rgb PickColour(base::Rnd& rnd, int colorDepth) {
  base::Rgb c;
  if (colorDepth == 16) {
    c.red = Steps(rnd, 257, 8);
    c.green = Steps(rnd, 257, 4);
    c.blue = Steps(rnd, 257, 8);
  } else {
    c.red = Steps(rnd, 256, 1);
    c.green = Steps(rnd, 256, 1);
    c.blue = Steps(rnd, 256, 1);
  }
  return c;
}

uint32_t ShownColour(const base::Rgb& c) {
  return base::RgbColor({std::min(c.red, 255), std::min(c.green, 255), std::min(c.blue, 255)});
}

}  // namespace model
