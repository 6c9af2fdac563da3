#include "files/parms_check.h"

#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/wheel_table.h"

namespace files {
namespace {

using base::Profile;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A whole-text number, or a reason naming the key.
std::optional<double> Number(const std::string& key, const std::string& text, std::string& reason) {
  if (auto v = base::ParseNumber(text)) return v;
  reason = key + " is not a number: " + Quoted(text);
  return std::nullopt;
}

// A whole number in min..max (rounded to the nearest, halves to even).
std::optional<int> Whole(const std::string& key, const std::string& text, int min, int max,
                         std::string& reason) {
  const auto v = Number(key, text, reason);
  if (!v) return std::nullopt;
  const double r = base::RoundHalfEven(*v);
  if (r < min || r > max) {
    reason = key + " is outside " + std::to_string(min) + " to " + std::to_string(max) + ": " +
             Quoted(text);
    return std::nullopt;
  }
  return static_cast<int>(r);
}

// The state of a check box: 0, 1 or 2; the word False, which a file without
// the key gives, reads as 0.
std::optional<int> BoxValue(const std::string& key, const std::string& text, std::string& reason) {
  if (base::SameName(text, "False")) return 0;
  return Whole(key, text, 0, 2, reason);
}

}  // namespace

bool ReadParms(const Profile& file, ParmsValues& out, std::string& reason) {
  auto get = [&](const std::string& key, const char* fallback) {
    return file.Get(kParmsSection, key, fallback, kParmsValueChars);
  };
  out = ParmsValues{};
  // Any other file would load as nothing but defaults.
  if (!file.HasSection(kParmsSection)) {
    reason = "it has no [Parms] section";
    return false;
  }

  const auto scale = BoxValue("ChkScale", get("ChkScale", "1"), reason);
  if (!scale) return false;
  out.chkScale = *scale;
  const auto multi = BoxValue("ChkMulti", get("ChkMulti", "False"), reason);
  if (!multi) return false;
  out.chkMulti = *multi;

  // The wheel count is the caption of the wheel-count button: a whole number
  // of wheels the program can draw.
  out.wheelCountText = get("NumberOfWheels", "8");
  const auto count = base::ParseNumber(out.wheelCountText);
  if (!count || *count != std::floor(*count) || *count < 3 || *count > base::kWheels) {
    reason = "NumberOfWheels is not a whole number from 3 to 24: " + Quoted(out.wheelCountText);
    return false;
  }
  out.wheelCount = static_cast<int>(*count);

  out.holeInc = get("HoleInc", "111");
  out.loop = get("TxtLoop", "111");
  out.pctDec = get("TxtPctDec", "111");
  out.pctScale = get("TxtPctScale", "111");
  out.resolution = get("TxtResolution", "111");
  out.rotations = get("TxtRotations", "111");
  out.rotStart = get("TxtRotStart", "111");
  out.rotInc = get("TxtRotInc", "111");
  out.turn = get("TxtTurn", "0");
  out.x = get("TxtX", "111");
  out.y = get("TxtY", "111");

  // The size bar shows TxtPctScale and wheel 1's size, within their ranges.
  const auto pct = Whole("TxtPctScale", out.pctScale, 1, 500, reason);
  if (!pct) return false;
  out.pctScaleValue = *pct;

  for (int n = 1; n <= out.wheelCount; ++n) {
    const std::string key = n == 1   ? "Fixed"
                            : n == 2 ? "TxtWheel"
                            : n == 3 ? "TxtOffset"
                                     : "TxtWheel" + std::to_string(n);
    const auto size = Number(key, get(key, n <= 3 ? "111" : "0"), reason);
    if (!size) return false;
    out.size[n] = *size;
  }
  if (!Whole("Fixed", get("Fixed", "111"), -450, 450, reason)) return false;

  // The ratio bar widens to the largest ratio, which must fit its 16 bits.
  for (int n = 1; n <= out.wheelCount; ++n) {
    const std::string key = "TxtRatio" + std::to_string(n);
    const auto ratio = Number(key, get(key, "0"), reason);
    if (!ratio) return false;
    if (!Whole(key, get(key, "0"), -32767, 32767, reason)) return false;
    out.ratio[n] = *ratio;
  }

  const std::string type = get("Type", "1");
  const auto t = Number("Type", type, reason);
  if (!t) return false;
  const double rounded = base::RoundHalfEven(*t);
  out.type = rounded >= 1 && rounded <= 3 ? static_cast<int>(rounded) : 0;
  return true;
}

}  // namespace files
