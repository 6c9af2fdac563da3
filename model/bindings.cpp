#include "model/bindings.h"

#include <cmath>

#include "base/numbers.h"

namespace model {
namespace {

using F = FieldId;
using W = When;
constexpr FileCheck kSize = FileCheck::SizeRange;
// clang-format off
constexpr Binding kBindings[] = {
    {F::HoleInc,    "TxtHoleInc",    "Pen+",      "0",    "HoleInc",       "111", {"1"}},
    {F::Loops,      "TxtLoop",       "Loops",     "1",    "TxtLoop",       "111", {"1", {W::Below, 1, "1"}}},
    {F::PctDec,     "TxtPctDec",     "Dec",       "1",    "TxtPctDec",     "111",
     {"1", {W::AtOrBelow, 0, "1"}, {W::AtOrAbove, 1, "1"}}},
    {F::PctScale,   "TxtPctScale",   "Size %",    "100",  "TxtPctScale",   "111",
     {"100", {W::Zero, 0, "100"}, {W::Above, 500, "500"}}, kSize},
    {F::Resolution, "TxtResolution", "Res.",      "1440", "TxtResolution", "111",
     {"1", {W::Below, 1, "1"}, {W::Above, 9999, "9999"}}},
    {F::Rotations,  "TxtRotations",  "Rotations", "231",  "TxtRotations",  "111", {"1"}},
    {F::RotStart,   "TxtRotStart",   "Rot Start", "0",    "TxtRotStart",   "111", {"1"}},
    {F::RotInc,     "TxtRotInc",     "Rot+",      "0",    "TxtRotInc",     "111", {"1"}},
    {F::Turn,       "TxtTurn",       "Rot.",      "0",    "TxtTurn",       "0",   {"0"}},
    {F::XScale,     "TxtX",          "XScale",    "6",    "TxtX",          "111", {"1", {W::Above, 100, "100"}}},
    {F::YScale,     "TxtY",          "YScale",    "6",    "TxtY",          "111", {"1", {W::Above, 100, "100"}}},
    {F::OffX,       "TxtOff_X",      "Centre X",  "0",    nullptr,         nullptr, {"0", {W::FartherThan, 1000, "0"}}},
    {F::OffY,       "TxtOff_Y",      "Centre Y",  "0",    nullptr,         nullptr, {"0", {W::FartherThan, 1000, "0"}}},
};
// clang-format on
static_assert(std::size(kBindings) == kFieldCount);
constexpr bool InFieldOrder() {
  for (size_t i = 0; i < std::size(kBindings); ++i)
    if (static_cast<size_t>(kBindings[i].id) != i) return false;
  return true;
}
static_assert(InFieldOrder());

bool Meets(const Rule& r, double v) {
  switch (r.when) {
    case When::Never:
      return false;
    case When::Below:
      return v < r.bound;
    case When::AtOrBelow:
      return v <= r.bound;
    case When::Above:
      return v > r.bound;
    case When::AtOrAbove:
      return v >= r.bound;
    case When::Zero:
      return v == 0;
    case When::FartherThan:
      return std::fabs(v) > r.bound;
  }
  return false;
}

}  // namespace

std::span<const Binding> Bindings() { return kBindings; }

const Binding& BindingOf(FieldId id) { return kBindings[static_cast<size_t>(id)]; }

void RepairField(Field& f, const Repair& r) {
  if (!Field::IsNumber(f.Text())) f.Set(r.notNumber);
  for (const Rule& rule : {r.first, r.second})
    if (Meets(rule, f.Number())) f.Set(rule.text);
}

PictureSettings StartSettings() {
  PictureSettings s;
  for (const Binding& b : kBindings) s[b.id].Set(b.start);
  return s;
}

}  // namespace model
