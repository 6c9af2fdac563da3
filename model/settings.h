#pragma once
// Everything that makes a picture, as a plain value: the panel's number
// fields, the mode and the outline, the boxes the drawing reads, the wheel
// table, the wheel count and the pen. The window shows such a value and the
// drawing (drawing/draw_picture.h) draws one; a picture drawn without a
// window starts from Settings::AtStart() for its screen.
#include <array>
#include <cstdint>
#include <string>

#include "base/colours.h"
#include "base/look.h"
#include "base/wheel_table.h"
#include "model/field.h"

namespace model {

// The number fields of a picture, in the order a parameter file is applied
// (model/bindings.h has a row for each).
enum class FieldId : uint8_t {
  HoleInc,
  Loop,
  PctDec,
  PctScale,
  Resolution,
  Rotations,
  RotStart,
  RotInc,
  Turn,
  X,
  Y,
  OffX,
  OffY,
};
inline constexpr int kFieldCount = static_cast<int>(FieldId::OffY) + 1;

// The largest size a wheel takes from the editor, either way.
inline constexpr double kMostWheelSize = 450;
// The rotation count a multi-wheel picture draws at least.
inline constexpr int kMultiRotations = 7;

struct Settings {
  std::array<Field, kFieldCount> fields;
  Field& operator[](FieldId id) { return fields[static_cast<size_t>(id)]; }
  const Field& operator[](FieldId id) const { return fields[static_cast<size_t>(id)]; }

  int multi = 0;  // the mode box: 0 single-wheel, 1 (or 2) a chain
  bool circle = true, triangle = false, square = false;  // none: the circle
  // Boxes the drawing reads: refit the scale, one scale for both axes,
  // restore Rot Start and the pen at the end, step the gradient.
  int scaleRefresh = 1, oneToOne = 1, rotStartReset = 1, penReset = 1, gradient = 0;

  base::WheelTable wheels;
  // The wheel count as the panel shows it (a parameter file may write it
  // any way that reads as a number), and the wheels a chain sums.
  std::string wheelLimit = "3";
  int16_t wheelCount = 3;

  base::Rgb pen{255, 0, 0};     // the components the gradient steps
  uint32_t penShown = base::kRed;  // the colour the lines take
  int penWidth = 1;

  // The screen the scales are fitted to, and the picture's extent they were
  // last fitted for.
  float screenX = 0, screenY = 0;
  float pictureExtent = 0;
};

// The wheel count as a whole number.
int WheelLimit(const Settings& s);

}  // namespace model
