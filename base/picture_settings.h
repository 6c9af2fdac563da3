#pragma once
// The values a drawing reads besides the controls' texts: the per-wheel table
// and the drawing state that the six drawing routines share. The picture
// settings themselves live in the main window's controls; PictureSettings
// reads them as one record.
#include <array>
#include <cstdint>

namespace base {

constexpr int kWheels = 24;

// Indexed by wheel number 1..24; index 0 is never used.
struct WheelTable {
  std::array<double, kWheels + 1> WheelSize{};
  std::array<double, kWheels + 1> WheelRatio{};
  std::array<int16_t, kWheels + 1> RandomSizeFlag{};
  std::array<int16_t, kWheels + 1> RandomRatioFlag{};
  std::array<double, kWheels + 1> WheelAngle{};
};

// Shared by the drawing routines and the steps they call; outlives a drawing.
struct DrawingState {
  double CurveParam = 0;
  double AngleStep = 0;
  double OutlineAngle = 0;
  double OutlineFactor = 0;
  double PointX = 0, PointY = 0;
  double ScaledX = 0, ScaledY = 0;
  double PrevX = 0, PrevY = 0;
  double RotStartRad = 0, TurnRad = 0;
  int32_t PassNumber = 0;  // counted in 32 bits so that Loops 32767 can finish
  int16_t LoopIndex = 0;
  int16_t GradientDirRed = 1, GradientDirGreen = 1, GradientDirBlue = 1;
};

}  // namespace base
