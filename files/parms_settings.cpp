#include "files/parms_settings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "base/numbers.h"
#include "files/pen_colour_section.h"
#include "model/random_settings.h"
#include "base/profile.h"
#include "model/bindings.h"
#include "model/steps.h"

namespace files {

void ApplyParms(model::StartedProgram& p, const ParmsValues& v) {
  model::PictureSettings& s = p.settings;
  model::EditorBars& bars = p.bars;
  auto& t = s.wheels;
  int16_t loopIndex = 0;
  s.ScaleRefresh = v.chkScale;
  // Switching to a chain shows the chain's wheel count, limits Rotations,
  // fits the scales, and gives the wheel field the focus, which takes the
  // bars' notifications back and shows wheel 1 there (its ratio bar moves
  // and stores 19). What it writes into fields the file then sets is lost.
  const bool switched = s.Multi == 0 && v.chkMulti != 0;
  s.Multi = v.chkMulti;
  if (switched) {
    s.wheelLimit = std::to_string(base::kFewestWheels);
    if (s.ScaleRefresh != 0) model::FitScale(s, loopIndex);
    bars.setByCode = false;
    const int ratio = std::clamp<int>(base::ToInt16(t.WheelRatio[1]), bars.ratioMin, bars.ratioMax);
    if (ratio != bars.ratio) {
      bars.ratio = ratio;
      t.WheelRatio[1] = ratio;
      if (s.ScaleRefresh != 0) model::FitScale(s, loopIndex);
    }
  }
  s.wheelLimit = v.wheelCountText;
  for (const model::Binding& b : model::Bindings())
    if (b.fileKey) s[b.id].Set(v[b.id]);
  const int count = model::WheelLimit(s);
  for (int n = 1; n <= count; ++n) t.WheelSize[n] = v.size[n];
  for (int n = 1; n <= count; ++n) t.WheelRatio[n] = v.ratio[n];
  if (v.type >= 1 && v.type <= 3) {
    s.Circle = v.type == 1;
    s.Triangle = v.type == 2;
    s.Square = v.type == 3;
  }
  s.WheelCount = static_cast<int16_t>(count);
  // Wheel 1 in the editor, its bars silenced: a bar that moves takes the
  // silence back; the size bar then writes its number into Size % unless
  // the ratio bar left the silence in place.
  for (int n = 1; n <= count; ++n)
    if (std::fabs(t.WheelRatio[n]) > bars.ratioMax) {
      bars.ratioMax = base::ToInt16(std::fabs(t.WheelRatio[n]));
      bars.ratioMin = -bars.ratioMax;
    }
  const auto silencedMove = [&bars](int& bar, int value, int low, int high) {
    bars.setByCode = true;
    value = std::clamp(value, std::min(low, high), std::max(low, high));
    if (value == bar) return;
    bar = value;
    bars.setByCode = false;
  };
  constexpr int kMost = static_cast<int>(model::kMostWheelSize);
  silencedMove(bars.offset, base::ToInt16(t.WheelSize[1]), -kMost, kMost);
  silencedMove(bars.ratio, base::ToInt16(t.WheelRatio[1]), bars.ratioMin, bars.ratioMax);
  if (v.pctScaleValue != bars.size) {
    bars.size = v.pctScaleValue;
    if (!bars.setByCode) s[model::FieldId::PctScale].Set(std::to_string(bars.size));
    bars.setByCode = false;
  }
  model::ClearUnusedWheels(s, loopIndex);
  // The focus leaves the wheel field the switch gave it: its repair stores
  // wheel 1 and fits the scales.
  if (switched) {
    bars.setByCode = true;
    t.WheelSize[1] = model::RepairedWheelSize(s, t.WheelSize[1]);
    const int offset = std::clamp<int>(base::ToInt16(t.WheelSize[1]), -kMost, kMost);
    if (offset != bars.offset) {
      bars.offset = offset;
      bars.setByCode = false;
    }
    if (s.ScaleRefresh != 0) model::FitScale(s, loopIndex);
  }
}

ParmsValues ParmsValuesOf(const model::PictureSettings& s) {
  ParmsValues v;
  v.chkScale = s.ScaleRefresh;
  v.chkMulti = s.Multi;
  v.wheelCountText = s.wheelLimit;
  v.wheelCount = model::WheelLimit(s);
  for (const model::Binding& b : model::Bindings())
    if (b.fileKey) v[b.id] = s[b.id].Text();
  for (int n = 1; n <= std::min(v.wheelCount, base::kWheels); ++n) {
    v.size[n] = s.wheels.WheelSize[n];
    v.ratio[n] = s.wheels.WheelRatio[n];
  }
  v.type = s.Square ? 3 : s.Triangle ? 2 : s.Circle ? 1 : 0;
  return v;
}

bool ParmsText(const model::PictureSettings& s, std::string& text, std::string& reason) {
  std::vector<std::pair<std::string, std::string>> keys;
  if (!ParmsFileTexts(ParmsValuesOf(s), keys, reason)) return false;
  base::Profile file;
  for (const auto& [key, value] : keys) file.Set(kParmsSection, key, value);
  text = file.Text();
  return true;
}

model::PictureSettings SettingsOfText(const std::string& text, const ParmsValues& values,
                                      int width, int height) {
  model::StartedProgram program = model::StartProgram(width, height);
  ApplyParms(program, values);
  model::PictureSettings& s = program.settings;
  if (const auto c = PenColourIn(text)) {
    s.pen = *c;
    s.penShown = model::ShownColour(*c);
  }
  return s;
}

}  // namespace files
