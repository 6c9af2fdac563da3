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
#include "model/steps.h"
#include "wheels/show_wheel.h"
#include "wheels/wheel_editor.h"
#include "model/picture_settings.h"
#include "window/captions.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace files {
namespace {

const char* const kFilter = "Trochela! Files (*.tra)|*.tra";
// Load also takes the pictures the program wrote: they carry their settings.
const char* const kLoadFilter =
    "Trochela! Files (*.tra)|*.tra|Pictures with settings (*.png *.svg)|*.png *.svg";

// Reads, checks and applies a parameter file's text.
bool LoadParmsText(window::TrochelaMain& w, const std::string& text, std::string& reason) {
  ParmsValues values;
  if (!ReadParms(base::Profile(text), values, reason)) return false;
  ApplyParms(w, values);
  return true;
}

}  // namespace

void CmdSaveParms_Click(window::TrochelaMain& w) {
  const auto path = WithEnding(
      w.services.ShowSave({forms::kSaveDialog, w.services.CurrentFolder(), "Save", kFilter}),
      ".tra");
  if (path && !path->empty()) {
    w.ChosenFileName = *path;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string reason, old;
    if (!ParmsFileTexts(ParmsValuesOf(w.picture), keys, reason)) {
      TellFileFailure(w.services, "Cannot save the settings to", *path, reason);
    } else if (base::PathExists(*path) &&
               !base::ReadWholeFile(*path, kMaxProfileBytes, old, reason)) {
      TellFileFailure(w.services, "Cannot save the settings over", *path, reason);
    } else {
      // Keys already in the file that this save does not write stay in place.
      base::Profile file(old);
      for (const auto& [key, value] : keys) file.Set(kParmsSection, key, value);
      if (!base::WriteFileReplacing(*path, file.Text(), reason))
        TellFileFailure(w.services, "Cannot save the settings to", *path, reason);
    }
  }
  w.Canvas.SetFocus();
}

void CmdLoadParms_Click(window::TrochelaMain& w) {
  const auto path = w.services.ShowOpen({forms::kOpenDialog, w.services.CurrentFolder(), "Open", kLoadFilter});
  if (path && !path->empty()) LoadParmsChosen(w, *path);
  w.Canvas.SetFocus();
}

void LoadParmsChosen(window::TrochelaMain& w, const std::string& path) {
  w.ChosenFileName = path;
  std::string reason;
  if (!LoadParmsFile(w, path, reason))
    TellFileFailure(w.services, "Cannot load the settings from", path, reason);
}

bool LoadParmsFile(window::TrochelaMain& w, const std::string& path, std::string& reason) {
  std::string text;
  return base::ReadSettingsText(path, kMaxProfileBytes, text, reason) &&
         LoadParmsText(w, text, reason);
}


void ApplyParms(window::TrochelaMain& w, const ParmsValues& v) {
  auto& t = w.wheels;
  window::ShowMultiControls(w, false);
  // The check boxes raise their Click handlers here when they change: the
  // mode switch changes the editor and the wheel-count caption before the
  // rest of the file is applied.
  w.ChkScale.SetValue(v.chkScale);
  w.ChkMulti.SetValue(v.chkMulti);
  window::SetWheelLimit(w.CmdWheelLimit, w.picture, v.wheelCountText);
  for (const model::Binding& b : model::Bindings())
    if (b.fileKey) w.FieldControl(b.id).SetText(v[b.id]);
  const int count = model::WheelLimit(w.picture);
  for (int n = 1; n <= count; ++n) t.WheelSize[n] = v.size[n];
  for (int n = 1; n <= count; ++n) t.WheelRatio[n] = v.ratio[n];
  if (v.type == 1) w.ChkCircle.SetValue(true);
  if (v.type == 2) w.ChkTriangle.SetValue(true);
  if (v.type == 3) w.ChkSquare.SetValue(true);
  if (w.ChkMulti.Value() != 0) window::ShowMultiControls(w, true);
  w.WheelCount = static_cast<int16_t>(count);

  // Wheel 1 in the editor; the bars' Change handlers see the values as set by
  // code. The ratio bar widens first to show the largest ratio.
  for (int n = 1; n <= count; ++n) wheels::WidenRatioBar(w.ScrollRatio, t.WheelRatio[n]);
  wheels::ShowWheel(w, 1, wheels::kShowOnLoad);
  w.ScrollSize.SetValue(v.pctScaleValue);  // raises ScrollSize_Change
  wheels::ShowWheel(w, 1, wheels::kShowFlagsOnLoad);
  model::ClearUnusedWheels(w.picture, w.draw.LoopIndex);
  // Moving the focus may run the wheel field's leave handler (when the mode
  // switch gave it the focus), which refits the scale when ChkScale is set.
  w.Canvas.SetFocus();
}

}  // namespace files
