#pragma once
// What the six drawing routines and the steps they call share.
#include <cstdint>

namespace base {

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
