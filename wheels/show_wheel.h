#pragma once
// Showing a wheel's values in the editor: its size and ratio in the fields and
// on the scroll bars, and its two random flags. Every caller writes the same
// controls but in its own order, with the bars silenced at its own points,
// because each write may raise a notification: a scroll-bar write that is not
// silenced runs the bar's Change handler (ScrollOffset_Change,
// ScrollRatio_Change), which stores the bar's whole number back into the
// field and the table; a check-box write runs ChkF_Click.
#include <cstdint>
#include <span>

#include "model/editor_bars.h"

namespace window {
struct TrochelaMain;
}

namespace wheels {

enum class WheelWrite : uint8_t {
  Caption,       // LblScrollWheel reads "Wheel #" and the wheel
  SilenceBars,   // sets ScrollSetByCode before the next bar write
  TxtFixed,      // the size
  TxtRatio1,     // the ratio
  ChkF,          // the random-size flag
  ChkR1,         // the random-ratio flag
  ScrollOffset,  // the size as a whole number
  ScrollRatio,   // the ratio as a whole number
  WidenRatio,    // widens the ratio bar to hold the ratio
};

// The callers' orders.
// The wheel buttons "<" and ">".
inline constexpr WheelWrite kShowFromWheelButtons[] = {
    WheelWrite::Caption,      WheelWrite::TxtFixed,    WheelWrite::TxtRatio1,
    WheelWrite::ChkF,         WheelWrite::ChkR1,       WheelWrite::SilenceBars,
    WheelWrite::ScrollOffset, WheelWrite::SilenceBars, WheelWrite::ScrollRatio};
// Multi-wheel mode switched on: the wheel shown stays.
inline constexpr WheelWrite kShowOnMultiOn[] = {WheelWrite::TxtFixed, WheelWrite::TxtRatio1,
                                                WheelWrite::ScrollOffset, WheelWrite::ScrollRatio};
// Multi-wheel mode switched off: back to wheel 1.
inline constexpr WheelWrite kShowOnMultiOff[] = {
    WheelWrite::Caption,     WheelWrite::TxtFixed, WheelWrite::TxtRatio1, WheelWrite::ScrollOffset,
    WheelWrite::ScrollRatio, WheelWrite::ChkF,     WheelWrite::ChkR1};
// The wheel count wrapped below the wheel shown: back to wheel 1.
inline constexpr WheelWrite kShowOnCountReset[] = {
    WheelWrite::Caption,   WheelWrite::ChkF,         WheelWrite::ChkR1,   WheelWrite::ScrollRatio,
    WheelWrite::TxtRatio1, WheelWrite::ScrollOffset, WheelWrite::TxtFixed};
// The wheel count fell below the wheel shown: the last wheel.
inline constexpr WheelWrite kShowOnCountLowered[] = {
    WheelWrite::Caption,  WheelWrite::ChkF,        WheelWrite::ChkR1,       WheelWrite::TxtRatio1,
    WheelWrite::TxtFixed, WheelWrite::ScrollRatio, WheelWrite::ScrollOffset};
// A parameter file's wheel 1, bars first (the loader has widened the ratio
// bar for all its wheels); the flags follow once the size bar is set.
inline constexpr WheelWrite kShowOnLoad[] = {WheelWrite::Caption,      WheelWrite::SilenceBars,
                                             WheelWrite::ScrollOffset, WheelWrite::SilenceBars,
                                             WheelWrite::ScrollRatio,  WheelWrite::TxtFixed,
                                             WheelWrite::TxtRatio1};
inline constexpr WheelWrite kShowFlagsOnLoad[] = {WheelWrite::ChkF, WheelWrite::ChkR1};
// The symmetry's new ratios: flags and fields first, then the bars,
// silenced.
inline constexpr WheelWrite kShowSymmetry[] = {
    WheelWrite::ChkF,        WheelWrite::ChkR1,       WheelWrite::TxtRatio1,
    WheelWrite::TxtFixed,    WheelWrite::WidenRatio,  WheelWrite::SilenceBars,
    WheelWrite::ScrollRatio, WheelWrite::SilenceBars, WheelWrite::ScrollOffset};
// A random picture's new values: the bars are not silenced, so their Change
// handlers store the whole numbers back.
inline constexpr WheelWrite kShowRandomPicture[] = {
    WheelWrite::TxtFixed, WheelWrite::TxtRatio1, WheelWrite::WidenRatio, WheelWrite::ScrollOffset,
    WheelWrite::ScrollRatio};

// Shows wheel n with the writes in the given order. Each write reads the
// table when it runs, so it sees what the notifications of earlier writes
// stored. A wheel outside 1..24 gets its caption only.
void ShowWheel(window::TrochelaMain& w, int n, std::span<const WheelWrite> order);

// The editor's bars as a value, and the bars moved to a value's positions
// without their notifications storing anything (model/editor_bars.h); the
// wheel fields show wheel n.
model::EditorBars BarsOf(const window::TrochelaMain& w);
void ShowBars(window::TrochelaMain& w, const model::EditorBars& bars, int n);

}  // namespace wheels
