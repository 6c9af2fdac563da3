#include "files/parms_keys.h"

#include <algorithm>

#include "base/numbers.h"

namespace files {
namespace {

// A number as the file holds it: a blank before numbers that are not negative.
std::string FileNumber(double v) {
  const std::string text = base::FormatNumber(v);
  return text[0] == '-' ? text : " " + text;
}

std::string WheelSizeKey(int n) {
  return n == 1   ? "Fixed"
         : n == 2 ? "TxtWheel"
         : n == 3 ? "TxtOffset"
                  : "TxtWheel" + std::to_string(n);
}

}  // namespace

std::vector<ParmsKey> ParmsKeys(int wheelCount) {
  using P = ParmsValues;
  using C = ParmsCheck;
  std::vector<ParmsKey> rows = {
      {.key = "ChkScale", .fallback = "1", .check = C::Box, .box = &P::chkScale},
      {.key = "ChkMulti", .fallback = "False", .check = C::Box, .box = &P::chkMulti},
      {.key = "NumberOfWheels", .fallback = "8", .check = C::WheelCount},
  };
  // The fields a file keeps, up to the size before the wheels and the rest
  // after them.
  const auto addFields = [&rows](bool beforeWheels) {
    for (const model::Binding& b : model::Bindings())
      if (b.fileKey && (b.id <= model::FieldId::PctScale) == beforeWheels)
        rows.push_back({.key = b.fileKey, .fallback = b.fallback, .check = C::Field, .field = &b});
  };
  addFields(true);
  const int count = std::clamp(wheelCount, 0, base::kWheels);
  for (int n = 1; n <= count; ++n)
    rows.push_back({.key = WheelSizeKey(n),
                    .fallback = n <= 3 ? "111" : "0",
                    .check = C::WheelSize,
                    .wheel = n});
  for (int n = 1; n <= count; ++n)
    rows.push_back({.key = "TxtRatio" + std::to_string(n),
                    .fallback = "0",
                    .check = C::WheelRatio,
                    .wheel = n});
  addFields(false);
  rows.push_back({.key = "Type", .fallback = "1", .check = C::Type});
  return rows;
}

bool ParmsFileTexts(const ParmsValues& v, std::vector<std::pair<std::string, std::string>>& keys,
                    std::string& reason) {
  if (v.wheelCount > base::kWheels) {
    reason = "the wheel count " + v.wheelCountText + " is above " + std::to_string(base::kWheels);
    return false;
  }
  keys.clear();
  for (const ParmsKey& k : ParmsKeys(v.wheelCount)) {
    std::string text;
    switch (k.check) {
      case ParmsCheck::Box:
        text = std::to_string(v.*k.box);
        break;
      case ParmsCheck::WheelCount:
        text = v.wheelCountText;
        break;
      case ParmsCheck::Field: {
        const std::string& shown = v[k.field->id];
        const auto number = base::ParseNumber(shown, base::UserDecimalSeparator());
        if (!number) {
          reason = std::string(k.field->label) + " does not hold a number: \"" + shown + "\"";
          return false;
        }
        text = FileNumber(*number);
        break;
      }
      case ParmsCheck::WheelSize:
        text = FileNumber(v.size[k.wheel]);
        break;
      case ParmsCheck::WheelRatio:
        text = FileNumber(v.ratio[k.wheel]);
        break;
      case ParmsCheck::Type:
        text = v.type >= 1 && v.type <= 3 ? std::to_string(v.type) : "";
        break;
    }
    keys.emplace_back(k.key, text);
  }
  return true;
}

}  // namespace files
