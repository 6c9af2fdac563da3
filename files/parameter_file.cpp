#include "files/parameter_file.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "base/file_io.h"
#include "base/numbers.h"
#include "base/picture_settings.h"
#include "base/profile.h"
#include "engine/scale_fit.h"
#include "files/file_messages.h"
#include "window/captions.h"
#include "window/panel.h"
#include "window/trochela_main.h"

namespace files {
namespace {

const char* const kFilter = "Trochela! Files (*.tra)|*.tra";

// A number as the file holds it: a blank before numbers that are not negative.
std::string FileNumber(double v) {
  const std::string text = base::FormatNumber(v);
  return text[0] == '-' ? text : " " + text;
}

using Keys = std::vector<std::pair<std::string, std::string>>;

// Every value a save writes, in the file's order; false with the reason when
// a field does not hold a number.
bool SaveValues(window::TrochelaMain& w, Keys& keys, std::string& reason) {
  const auto& t = w.wheels;
  const std::string caption = w.CmdWheelLimit.Caption();
  std::optional<std::string> failed;
  auto field = [&](forms::TextBox& box, const char* name) {
    const auto v = base::ParseNumber(box.Text());
    if (!v && !failed)
      failed = std::string(name) + " does not hold a number: \"" + box.Text() + "\"";
    return v ? FileNumber(*v) : std::string();
  };
  const std::string holeInc = field(w.TxtHoleInc, "Pen+"), loop = field(w.TxtLoop, "Loops"),
                    pctDec = field(w.TxtPctDec, "Dec"), pctScale = field(w.TxtPctScale, "Size %");
  if (failed) return reason = *failed, false;
  const int count = window::WheelLimit(w);
  if (count > base::kWheels) {
    reason = "the wheel count " + caption + " is above 24";
    return false;
  }
  const std::string resolution = field(w.TxtResolution, "Res."),
                    rotations = field(w.TxtRotations, "Rotations"),
                    rotInc = field(w.TxtRotInc, "Rot+"), turn = field(w.TxtTurn, "Rot."),
                    rotStart = field(w.TxtRotStart, "Rot Start"), x = field(w.TxtX, "XScale"),
                    y = field(w.TxtY, "YScale");
  if (failed) return reason = *failed, false;
  std::string type;
  if (w.ChkCircle.Value()) type = "1";
  if (w.ChkTriangle.Value()) type = "2";
  if (w.ChkSquare.Value()) type = "3";

  keys = {{"ChkScale", std::to_string(w.ChkScale.Value())},
          {"ChkMulti", std::to_string(w.ChkMulti.Value())},
          {"NumberOfWheels", caption},
          {"HoleInc", holeInc},
          {"TxtLoop", loop},
          {"TxtPctDec", pctDec},
          {"TxtPctScale", pctScale},
          {"Fixed", FileNumber(t.WheelSize[1])},
          {"TxtWheel", FileNumber(t.WheelSize[2])},
          {"TxtOffset", FileNumber(t.WheelSize[3])}};
  for (int n = 4; n <= count; ++n)
    keys.emplace_back("TxtWheel" + std::to_string(n), FileNumber(t.WheelSize[n]));
  for (int n = 1; n <= count; ++n)
    keys.emplace_back("TxtRatio" + std::to_string(n), FileNumber(t.WheelRatio[n]));
  keys.insert(keys.end(), {{"TxtResolution", resolution},
                           {"TxtRotations", rotations},
                           {"TxtRotStart", rotStart},
                           {"TxtRotInc", rotInc},
                           {"TxtTurn", turn},
                           {"TxtX", x},
                           {"TxtY", y},
                           {"Type", type}});
  return true;
}

}  // namespace

void CmdSaveParms_Click(window::TrochelaMain& w) {
  const auto path = w.services.ShowSave({6, w.services.CurrentFolder(), "Save", kFilter});
  if (path && !path->empty()) {
    w.ChosenFileName = *path;
    Keys keys;
    std::string reason, old;
    if (!SaveValues(w, keys, reason)) {
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
  const auto path = w.services.ShowOpen({4, w.services.CurrentFolder(), "Open", kFilter});
  if (path && !path->empty()) {
    w.ChosenFileName = *path;
    std::string reason;
    if (!LoadParmsFile(w, *path, reason))
      TellFileFailure(w, "Cannot load the settings from", *path, reason);
  }
  w.Canvas.SetFocus();
}

bool LoadParmsFile(window::TrochelaMain& w, const std::string& path, std::string& reason) {
  std::string text;
  ParmsValues values;
  if (!base::ReadWholeFile(path, kMaxProfileBytes, text, reason) ||
      !ReadParms(base::Profile(text), values, reason))
    return false;
  ApplyParms(w, values);
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
  w.TxtHoleInc.SetText(v.holeInc);
  w.TxtLoop.SetText(v.loop);
  const int count = window::WheelLimit(w);
  for (int n = 1; n <= count; ++n) t.WheelSize[n] = v.size[n];
  for (int n = 1; n <= count; ++n) t.WheelRatio[n] = v.ratio[n];
  w.TxtPctDec.SetText(v.pctDec);
  w.TxtPctScale.SetText(v.pctScale);
  w.TxtResolution.SetText(v.resolution);
  w.TxtRotations.SetText(v.rotations);
  w.TxtRotStart.SetText(v.rotStart);
  w.TxtRotInc.SetText(v.rotInc);
  w.TxtTurn.SetText(v.turn);
  w.TxtX.SetText(v.x);
  w.TxtY.SetText(v.y);
  if (v.type == 1) w.ChkCircle.SetValue(true);
  if (v.type == 2) w.ChkTriangle.SetValue(true);
  if (v.type == 3) w.ChkSquare.SetValue(true);
  if (w.ChkMulti.Value() != 0) window::ShowMultiControls(w);
  w.WheelCount = static_cast<int16_t>(count);

  // Wheel 1 in the editor; the bars' Change handlers see the values as set by
  // code. The ratio bar widens first to show the largest ratio.
  w.LblScrollWheel.SetCaption("Wheel #1");
  w.ScrollSetByCode = -1;
  w.ScrollOffset.SetValue(base::ToInt16(t.WheelSize[1]));
  w.ScrollSetByCode = -1;
  for (int n = 1; n <= count; ++n) {
    if (std::fabs(t.WheelRatio[n]) > w.ScrollRatio.Max()) {
      w.ScrollRatio.SetMax(base::ToInt16(std::fabs(t.WheelRatio[n])));
      w.ScrollRatio.SetMin(-base::ToInt16(std::fabs(t.WheelRatio[n])));
    }
  }
  w.ScrollRatio.SetValue(base::ToInt16(t.WheelRatio[1]));
  w.TxtFixed.SetNumber(t.WheelSize[1]);
  w.TxtRatio1.SetNumber(t.WheelRatio[1]);
  w.ScrollSize.SetValue(v.pctScaleValue);
  w.ChkF.SetValue(t.RandomSizeFlag[1]);
  w.ChkR1.SetValue(t.RandomRatioFlag[1]);
  engine::ClearUnusedWheels(w);
  // Moving the focus may run the wheel field's leave handler (when the mode
  // switch gave it the focus), which refits the scale when ChkScale is set.
  w.Canvas.SetFocus();
}

}  // namespace files
