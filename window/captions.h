#pragma once
// State that the panel keeps in captions, read in one place each.
namespace window {

struct TrochelaMain;

// The wheel the editor shows: the number after "Wheel #" in LblScrollWheel.
int ShownWheel(const TrochelaMain& w);

// The wheel count: the caption of CmdWheelLimit read as a number, rounded to
// a whole number ("3" in single-wheel mode).
int WheelLimit(const TrochelaMain& w);

}  // namespace window
