#pragma once
// PictureSettings: everything that makes a picture, as one plain value: the
// panel's number fields, the mode and the outline, the boxes the drawing
// reads, the wheel table, the wheel count and the pen. The window's controls
// are its view and edit it (a text field shows its value's text); the
// drawing (drawing/draw_picture.h) draws one; a picture drawn without a
// window starts from model::StartProgram (model/editor_bars.h).
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
  Loops,
  PctDec,
  PctScale,
  Resolution,
  Rotations,
  RotStart,
  RotInc,
  Turn,
  XScale,
  YScale,
  OffX,
  OffY,
};
inline constexpr int kFieldCount = static_cast<int>(FieldId::OffY) + 1;

// The outline a picture follows.
enum class Shape { Circle, Triangle, Square };

// The largest size a wheel takes from the editor, either way.
inline constexpr double kMostWheelSize = 450;
// The rotation count a multi-wheel picture draws at least.
inline constexpr int kMultiRotations = 7;
// The largest Size % the size bar shows (from 1).
inline constexpr int kMostPctScale = 500;
// The wheel count a program starts with, and single-wheel mode shows.
inline constexpr char kStartWheelCount[] = "3";

struct PictureSettings {
  std::array<Field, kFieldCount> fields;
  Field& operator[](FieldId id) { return fields[static_cast<size_t>(id)]; }
  const Field& operator[](FieldId id) const { return fields[static_cast<size_t>(id)]; }

  int Multi = 0;  // the mode box: 0 single-wheel, 1 (or 2) a chain
  // The outline's options; none selected draws the circle.
  bool Circle = true, Triangle = false, Square = false;
  model::Shape Shape() const {
    return Square ? Shape::Square : Triangle ? Shape::Triangle : Shape::Circle;
  }
  // Boxes the drawing reads: restore the pen and Rot Start at the end, step
  // the gradient, refit the scale, one scale for both axes, clear the canvas
  // before a redraw from a scroll bar.
  int ResetPen = 1, ResetRotStart = 1, Gradient = 0, ScaleRefresh = 1, OneToOne = 1,
      ClearOnScroll = 1;

  base::WheelTable wheels;
  // The wheel count as the panel shows it (a parameter file may write it
  // any way that reads as a number), and the wheels a chain sums.
  std::string wheelLimit = kStartWheelCount;
  int16_t WheelCount = 3;

  base::Rgb pen{255, 0, 0};        // DrawRed, DrawGreen, DrawBlue: what the gradient steps
  uint32_t penShown = base::kRed;  // the colour the lines take
  int penWidth = 1;

  // The screen the scales are fitted to, and the picture's extent they were
  // last fitted for.
  float ScreenPixelsX{}, ScreenPixelsY{};
  float PictureExtent{};
};

// The wheel-count caption's number, rounded to a whole number.
int WheelLimit(const PictureSettings& s);

}  // namespace model
