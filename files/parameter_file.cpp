#include "files/parameter_file.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/file_io.h"
#include "base/numbers.h"
#include "base/profile.h"
#include "base/settings_in_pictures.h"
#include "base/wheel_table.h"
#include "engine/scale_fit.h"
#include "files/file_messages.h"
#include "wheels/show_wheel.h"
#include "wheels/wheel_editor.h"
#include "window/captions.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace files {
namespace {

const char* const kFilter = "Trochela! Files (*.tra)|*.tra";
// Load also takes the pictures the program wrote: they carry their settings.
const char* const kLoadFilter =
    "Trochela! Files (*.tra)|*.tra|Pictures with settings (*.png *.svg)|*.png *.svg";

using M = window::TrochelaMain;

// The field each text of a parameter file belongs to, in the order a load
// sets them.
struct TextField {
  std::string ParmsValues::*text;
  forms::TextBox M::*field;
};
constexpr TextField kTextFields[] = {
    {&ParmsValues::holeInc, &M::TxtHoleInc},
    {&ParmsValues::loop, &M::TxtLoop},
    {&ParmsValues::pctDec, &M::TxtPctDec},
    {&ParmsValues::pctScale, &M::TxtPctScale},
    {&ParmsValues::resolution, &M::TxtResolution},
    {&ParmsValues::rotations, &M::TxtRotations},
    {&ParmsValues::rotStart, &M::TxtRotStart},
    {&ParmsValues::rotInc, &M::TxtRotInc},
    {&ParmsValues::turn, &M::TxtTurn},
    {&ParmsValues::x, &M::TxtX},
    {&ParmsValues::y, &M::TxtY},
};

// What the window holds, as a save writes it.
ParmsValues WindowValues(window::TrochelaMain& w) {
  ParmsValues v;
  v.chkScale = w.ChkScale.Value();
  v.chkMulti = w.ChkMulti.Value();
  v.wheelCountText = w.CmdWheelLimit.Caption();
  v.wheelCount = window::WheelLimit(w);
  for (const TextField& f : kTextFields) v.*f.text = (w.*f.field).Text();
  for (int n = 1; n <= std::min(v.wheelCount, base::kWheels); ++n) {
    v.size[n] = w.wheels.WheelSize[n];
    v.ratio[n] = w.wheels.WheelRatio[n];
  }
  v.type = 0;
  if (w.ChkCircle.Value()) v.type = 1;
  if (w.ChkTriangle.Value()) v.type = 2;
  if (w.ChkSquare.Value()) v.type = 3;
  return v;
}

}  // namespace

void CmdSaveParms_Click(window::TrochelaMain& w) {
  const auto path =
      WithEnding(w.services.ShowSave({6, w.services.CurrentFolder(), "Save", kFilter}), ".tra");
  if (path && !path->empty()) {
    w.ChosenFileName = *path;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string reason, old;
    if (!ParmsFileTexts(WindowValues(w), keys, reason)) {
      TellFileFailure(w, "Cannot save the settings to", *path, reason);
    } else if (base::PathExists(*path) &&
               !base::ReadWholeFile(*path, kMaxProfileBytes, old, reason)) {
      TellFileFailure(w, "Cannot save the settings over", *path, reason);
    } else {
      // Keys already in the file that this save does not write stay in place.
      base::Profile file(old);
      for (const auto& [key, value] : keys) file.Set(kParmsSection, key, value);
      if (!base::WriteFileReplacing(*path, file.Text(), reason))
        TellFileFailure(w, "Cannot save the settings to", *path, reason);
    }
  }
  w.Canvas.SetFocus();
}

void CmdLoadParms_Click(window::TrochelaMain& w) {
  const auto path = w.services.ShowOpen({4, w.services.CurrentFolder(), "Open", kLoadFilter});
  if (path && !path->empty()) LoadParmsChosen(w, *path);
  w.Canvas.SetFocus();
}

void LoadParmsChosen(window::TrochelaMain& w, const std::string& path) {
  w.ChosenFileName = path;
  std::string reason;
  if (!LoadParmsFile(w, path, reason))
    TellFileFailure(w, "Cannot load the settings from", path, reason);
}

bool LoadParmsFile(window::TrochelaMain& w, const std::string& path, std::string& reason) {
  std::string text;
  return base::ReadSettingsText(path, kMaxProfileBytes, text, reason) &&
         LoadParmsText(w, text, reason);
}

bool LoadParmsText(window::TrochelaMain& w, const std::string& text, std::string& reason) {
  ParmsValues values;
  if (!ReadParms(base::Profile(text), values, reason)) return false;
  ApplyParms(w, values);
  return true;
}

bool ParmsText(window::TrochelaMain& w, std::string& text, std::string& reason) {
  std::vector<std::pair<std::string, std::string>> keys;
  if (!ParmsFileTexts(WindowValues(w), keys, reason)) return false;
  base::Profile file;
  for (const auto& [key, value] : keys) file.Set(kParmsSection, key, value);
  text = file.Text();
  return true;
}

void ApplyParms(window::TrochelaMain& w, const ParmsValues& v) {
  auto& t = w.wheels;
  window::HideMultiControls(w);
  // The check boxes raise their Click handlers here when they change: the
  // mode switch changes the editor and the wheel-count caption before the
  // rest of the file is applied.
  w.ChkScale.SetValue(v.chkScale);
  w.ChkMulti.SetValue(v.chkMulti);
  w.CmdWheelLimit.SetCaption(v.wheelCountText);
  for (const TextField& f : kTextFields) (w.*f.field).SetText(v.*f.text);
  const int count = window::WheelLimit(w);
  for (int n = 1; n <= count; ++n) t.WheelSize[n] = v.size[n];
  for (int n = 1; n <= count; ++n) t.WheelRatio[n] = v.ratio[n];
  if (v.type == 1) w.ChkCircle.SetValue(true);
  if (v.type == 2) w.ChkTriangle.SetValue(true);
  if (v.type == 3) w.ChkSquare.SetValue(true);
  if (w.ChkMulti.Value() != 0) window::ShowMultiControls(w);
  w.WheelCount = static_cast<int16_t>(count);

  // Wheel 1 in the editor; the bars' Change handlers see the values as set by
  // code. The ratio bar widens first to show the largest ratio.
  for (int n = 1; n <= count; ++n) wheels::WidenRatioBar(w, t.WheelRatio[n]);
  wheels::ShowWheel(w, 1, wheels::kShowOnLoad);
  w.ScrollSize.SetValue(v.pctScaleValue);  // raises ScrollSize_Change
  wheels::ShowWheel(w, 1, wheels::kShowFlagsOnLoad);
  engine::ClearUnusedWheels(w);
  // Moving the focus may run the wheel field's leave handler (when the mode
  // switch gave it the focus), which refits the scale when ChkScale is set.
  w.Canvas.SetFocus();
}

}  // namespace files
