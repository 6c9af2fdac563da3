#pragma once
// One row for each number field of a picture's settings: the panel's field
// that shows it, the name a user knows it by, its text at start-up, its
// repair when the field is left, and its key in a parameter file (which a picture carries as its metadata) with the
// text a file without the key gives and the check a loaded value must pass.
// The panel binds its fields, the settings start, and the parameter file's
// save, load and check and the repair when a field is left walk these rows: a new field is one row here plus
// its use in the drawing.
#include <span>

#include "model/picture_settings.h"

namespace model {

// What a parameter file's value must be.
enum class FileCheck : uint8_t {
  Number,     // a number within the double range
  SizeRange,  // a whole number 1 to 500 (the size bar's range)
};

// A field's repair when it is left: text that is not a number becomes
// `notNumber`; then each rule in turn that the number meets puts its text.
enum class When : uint8_t { Never, Below, AtOrBelow, Above, AtOrAbove, Zero, FartherThan };
struct Rule {
  When when = When::Never;
  double bound = 0;
  const char* text = "";
};
struct Repair {
  const char* notNumber;
  Rule first{}, second{};
};

struct Binding {
  FieldId id;
  const char* control;    // the panel's field
  const char* label;      // its name on the panel, in messages
  const char* start;      // its text when the program starts
  const char* fileKey;    // its key in a parameter file; null: not saved
  const char* fallback;   // what a file without the key gives
  Repair repair;
  FileCheck check = FileCheck::Number;
};

// The rows in FieldId order, which is the order a parameter file is applied.
std::span<const Binding> Bindings();
const Binding& BindingOf(FieldId id);

// The field repaired by its row's rule.
void RepairField(Field& f, const Repair& r);

// The settings of a program that has just started, before its screen is
// known.
PictureSettings StartSettings();

}  // namespace model
