#pragma once
// Reading an automation script: one action a line, every line checked when the
// script is read, before anything runs. No Qt and no window here, so that the
// reader can be tried on its own with any text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct ScriptLine {
  int number = 0;  // line number in the file, from 1
  std::vector<std::string> words;
  std::string rest;  // the text after the first word, as written
};

// Reads a script. The first line it cannot understand, or whose numbers are
// not what the action takes, is reported in `error` ("line N: ...") and the
// result is false.
bool ParseScript(const std::string& text, std::vector<ScriptLine>& lines, std::string& error);

// The text after a line's first word and one blank, kept exactly (it may be
// empty or hold blanks).
std::string AfterFirstWord(const std::string& line);

// A whole number as a script writes it: decimal digits with an optional
// leading minus, from `lo` to `hi`. Nothing else is one: not "1e2", "2.0",
// "+3" or ".5e1".
std::optional<long long> WholeNumber(std::string_view word, long long lo, long long hi);

// A position on a control in its own units: a decimal number that a 32-bit
// float holds as a finite value.
std::optional<float> Coordinate(std::string_view word);

// The per-wheel tables that `print` and `expect` read with a wheel number
// ("WheelSize 3").
bool IsArrayField(const std::string& name);

// The ranges of a script's whole numbers.
inline constexpr long long kMaxButton = 7;  // mouse buttons and shift state: bit sets of 3
inline constexpr long long kMaxKeyCode = 65535;
inline constexpr long long kMinBarValue = -32768, kMaxBarValue = 32767;
inline constexpr long long kMaxComponent = 255;
inline constexpr long long kMaxCopies = 9999;  // a print dialog's copies, from 1
inline constexpr long long kMaxWheel = 24;

}  // namespace app
