#pragma once
// Reading a parameter file's values and checking every one of them before any
// of them is applied, so that a bad file changes nothing. Plain code over the
// profile text; the window applies the result (files/parameter_file.h).
#include <array>
#include <string>

#include "base/profile.h"

namespace files {

// Section of every parameter file (and of printer.ini).
inline constexpr const char* kParmsSection = "Parms";
// Values are read whole up to this many characters.
inline constexpr size_t kParmsValueChars = 21;

// The settings of a parameter file, converted as the load uses them.
struct ParmsValues {
  int chkScale = 1;            // 0, 1 or 2
  int chkMulti = 0;            // 0, 1 or 2; a file without the key reads as 0
  std::string wheelCountText;  // "NumberOfWheels" as written, for the caption
  int wheelCount = 8;          // 3..24
  // Field texts, taken as they stand.
  std::string holeInc, loop, pctDec, pctScale, resolution, rotations, rotStart, rotInc, turn, x, y;
  int pctScaleValue = 111;  // TxtPctScale as a whole number, 1..500
  // Wheels 1..wheelCount; the rest stay 0.
  std::array<double, 25> size{};
  std::array<double, 25> ratio{};
  int type = 1;  // 1 circle, 2 triangle, 3 square; another number selects none
};

// Reads and checks every value of the file, which must have the section
// "Parms" (keys missing from it take their defaults). False with a short reason ("TxtRatio3
// is not a number: 'x'") when a value cannot be used.
bool ReadParms(const base::Profile& file, ParmsValues& out, std::string& reason);

}  // namespace files
