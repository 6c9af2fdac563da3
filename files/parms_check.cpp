#include "files/parms_check.h"

#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/wheel_table.h"
#include "model/picture_settings.h"

namespace files {
namespace {

using base::Profile;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A whole-text number, or a reason naming the key.
std::optional<double> Number(const std::string& key, const std::string& text, std::string& reason) {
  if (auto v = base::ParseNumber(text, base::UserDecimalSeparator())) return v;
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
  out = ParmsValues{};
  // Any other file would load as nothing but defaults.
  if (!file.HasSection(kParmsSection)) {
    reason = "it has no [Parms] section";
    return false;
  }
  // Keys run together on one line, or split by separators other than line
  // ends, would otherwise load as nothing but defaults.
  if (std::string stray = file.StrayText(kParmsSection); !stray.empty()) {
    if (stray.size() > 40) {
      size_t cut = 40;
      while (cut > 0 && (static_cast<unsigned char>(stray[cut]) & 0xC0) == 0x80) --cut;
      stray = stray.substr(0, cut) + "...";
    }
    reason = "its [Parms] section has no \"key=value\" line, only " + Quoted(stray);
    return false;
  }
  // The wheel keys beyond the file's wheel count are not read; the count
  // comes before them.
  for (const ParmsKey& k : ParmsKeys(base::kWheels)) {
    if (k.wheel > out.wheelCount) continue;
    const std::string text = file.Get(kParmsSection, k.key, k.fallback, kParmsValueChars);
    switch (k.check) {
      case ParmsCheck::Box: {
        const auto box = BoxValue(k.key, text, reason);
        if (!box) return false;
        out.*k.box = *box;
        break;
      }
      case ParmsCheck::WheelCount: {
        // The caption of the wheel-count button: a whole number of wheels the
        // program can draw.
        const auto count = base::ParseNumber(text, base::UserDecimalSeparator());
        if (!count || *count != std::floor(*count) || *count < base::kFewestWheels ||
            *count > base::kWheels) {
          reason = k.key + " is not a whole number from " + std::to_string(base::kFewestWheels) +
                   " to " + std::to_string(base::kWheels) + ": " + Quoted(text);
          return false;
        }
        out.wheelCountText = text;
        out.wheelCount = static_cast<int>(*count);
        break;
      }
      case ParmsCheck::Field:
        if (k.field->check == model::FileCheck::SizeRange) {
          // The size bar shows it, within its range.
          const auto pct = Whole(k.key, text, 1, model::kMostPctScale, reason);
          if (!pct) return false;
          out.pctScaleValue = *pct;
        } else if (!Number(k.key, text, reason)) {
          return false;
        }
        // The field shows the number as the user writes numbers.
        out[k.field->id] = base::WithDecimalSeparator(text, base::UserDecimalSeparator());
        break;
      case ParmsCheck::WheelSize: {
        const auto size = Number(k.key, text, reason);
        if (!size) return false;
        // Wheel 1's size is shown on the wheel bar at once.
        constexpr int kMost = static_cast<int>(model::kMostWheelSize);
        if (k.wheel == 1 && !Whole(k.key, text, -kMost, kMost, reason)) return false;
        out.size[k.wheel] = *size;
        break;
      }
      case ParmsCheck::WheelRatio: {
        // The ratio bar widens to the largest ratio, which must fit its 16 bits.
        const auto ratio = Number(k.key, text, reason);
        if (!ratio || !Whole(k.key, text, -32767, 32767, reason)) return false;
        out.ratio[k.wheel] = *ratio;
        break;
      }
      case ParmsCheck::Type: {
        const auto t = Number(k.key, text, reason);
        if (!t) return false;
        const double rounded = base::RoundHalfEven(*t);
        out.type = rounded >= 1 && rounded <= 3 ? static_cast<int>(rounded) : 0;
        break;
      }
    }
  }
  return true;
}

}  // namespace files
