#include "model/bindings.h"

namespace model {
namespace {

using F = FieldId;
// clang-format off
constexpr Binding kBindings[] = {
    {F::HoleInc,    "TxtHoleInc",    "Pen+",      "0",    "HoleInc",       "111"},
    {F::Loops,      "TxtLoop",       "Loops",     "1",    "TxtLoop",       "111"},
    {F::PctDec,     "TxtPctDec",     "Dec",       "1",    "TxtPctDec",     "111"},
    {F::PctScale,   "TxtPctScale",   "Size %",    "100",  "TxtPctScale",   "111", FileCheck::SizeRange},
    {F::Resolution, "TxtResolution", "Res.",      "1440", "TxtResolution", "111"},
    {F::Rotations,  "TxtRotations",  "Rotations", "231",  "TxtRotations",  "111"},
    {F::RotStart,   "TxtRotStart",   "Rot Start", "0",    "TxtRotStart",   "111"},
    {F::RotInc,     "TxtRotInc",     "Rot+",      "0",    "TxtRotInc",     "111"},
    {F::Turn,       "TxtTurn",       "Rot.",      "0",    "TxtTurn",       "0"},
    {F::XScale,        "TxtX",          "XScale",    "6",    "TxtX",          "111"},
    {F::YScale,        "TxtY",          "YScale",    "6",    "TxtY",          "111"},
    {F::OffX,       "TxtOff_X",      "Centre X",  "0",    nullptr,         nullptr},
    {F::OffY,       "TxtOff_Y",      "Centre Y",  "0",    nullptr,         nullptr},
};
// clang-format on
static_assert(std::size(kBindings) == kFieldCount);
constexpr bool InFieldOrder() {
  for (size_t i = 0; i < std::size(kBindings); ++i)
    if (static_cast<size_t>(kBindings[i].id) != i) return false;
  return true;
}
static_assert(InFieldOrder());

}  // namespace

std::span<const Binding> Bindings() { return kBindings; }

const Binding& BindingOf(FieldId id) { return kBindings[static_cast<size_t>(id)]; }

PictureSettings StartSettings() {
  PictureSettings s;
  for (const Binding& b : kBindings) s[b.id].Set(b.start);
  return s;
}

}  // namespace model
