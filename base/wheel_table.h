#pragma once
// The per-wheel values: sizes, ratios, random flags and the angles a
// multi-wheel drawing turns them by. The other picture settings live in the
// main window's controls.
#include <array>
#include <cstdint>

namespace base {

// The most wheels a picture has; the only place this number is written.
inline constexpr int kWheels = 24;
// The fewest wheels a multi-wheel picture has, and the wheels of a
// single-wheel one.
inline constexpr int kFewestWheels = 3;

// A wheel's number, 1 to 24: the tables are never read or written outside.
constexpr bool IsWheel(int n) { return n >= 1 && n <= kWheels; }

// Indexed by wheel number 1..24; index 0 is never used.
struct WheelTable {
  std::array<double, kWheels + 1> WheelSize{};
  std::array<double, kWheels + 1> WheelRatio{};
  std::array<int16_t, kWheels + 1> RandomSizeFlag{};
  std::array<int16_t, kWheels + 1> RandomRatioFlag{};
  std::array<double, kWheels + 1> WheelAngle{};
};

}  // namespace base
