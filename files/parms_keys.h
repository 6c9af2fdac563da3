#pragma once
// The keys of a parameter file, one row each in the order a save writes
// them: the key, the text a file without it gives, the check a load makes,
// and the value it fills. The save and the load's check both walk these rows.
// Plain code: no window, no toolkit.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/wheel_table.h"
#include "model/bindings.h"

namespace files {

// Section of every parameter file (and of printer.ini).
inline constexpr const char* kParmsSection = "Parms";
// The largest parameter file read: real ones are a few hundred bytes.
inline constexpr size_t kMaxProfileBytes = 1 << 20;
// Values are read whole up to this many characters.
inline constexpr size_t kParmsValueChars = 21;

// The settings of a parameter file, converted as the load uses them.
struct ParmsValues {
  int chkScale = 1;            // 0, 1 or 2
  int chkMulti = 0;            // 0, 1 or 2; a file without the key reads as 0
  std::string wheelCountText;  // "NumberOfWheels" as written, for the caption
  int wheelCount = 8;          // 3..24
  // Field texts by model::FieldId, taken as they stand once they hold a
  // number; the fields a file does not keep stay empty.
  std::array<std::string, model::kFieldCount> text;
  std::string& operator[](model::FieldId id) { return text[static_cast<size_t>(id)]; }
  const std::string& operator[](model::FieldId id) const { return text[static_cast<size_t>(id)]; }
  int pctScaleValue = 111;  // TxtPctScale as a whole number, 1..500
  // Wheels 1..wheelCount; the rest stay 0.
  std::array<double, base::kWheels + 1> size{};
  std::array<double, base::kWheels + 1> ratio{};
  int type = 1;  // 1 circle, 2 triangle, 3 square; another number selects none
};

enum class ParmsCheck : uint8_t {
  Box,         // a check box: 0, 1 or 2; the word False reads as 0
  WheelCount,  // a whole number of wheels, 3 to 24
  Field,       // a field's text (model/bindings.h says what it must hold)
  WheelSize,   // a number; wheel 1's size also fits the wheel bar
  WheelRatio,  // a number whose whole number fits the ratio bar's 16 bits
  Type,        // a number; 1 to 3 select an outline, any other none
};

struct ParmsKey {
  std::string key;
  const char* fallback;
  ParmsCheck check;
  int ParmsValues::*box = nullptr;           // Box: its value
  const model::Binding* field = nullptr;      // Field: its row
  int wheel = 0;                             // WheelSize, WheelRatio: the wheel
};

// Every key of a file of `wheelCount` wheels (at most 24), in the file's order.
std::vector<ParmsKey> ParmsKeys(int wheelCount);

// The text of each key a save writes, in the file's order; false with the
// reason when a field does not hold a number or the wheel count is above 24.
bool ParmsFileTexts(const ParmsValues& v, std::vector<std::pair<std::string, std::string>>& keys,
                    std::string& reason);

}  // namespace files
