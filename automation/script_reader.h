#pragma once
// Reading an automation script: one action a line, every line checked when the
// script is read, before anything runs. One table of actions gives each its
// name, the kinds of words it takes and what runs it; the reader checks lines
// against it and the runner runs what it names. No Qt and no window here, so
// that the reader can be tried on its own with any text.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/wheel_table.h"

namespace automation {

struct Verb;

struct ScriptLine {
  int number = 0;  // line number in the file, from 1
  std::vector<std::string> words;
  std::string rest;            // the text after the first word, as written
  const Verb* verb = nullptr;  // the action of the line
  // The numbers of the line as its action reads them: values[i] is words[i]'s
  // (0 for a word that is not a number).
  std::vector<double> values;
  int Whole(size_t i) const { return static_cast<int>(values[i]); }
  // A coordinate that may be left out: 0 then.
  float Coordinate(size_t i) const { return i < values.size() ? static_cast<float>(values[i]) : 0; }
};

// What runs each action on the window (the automation level implements it).
class VerbRunner {
 public:
  virtual ~VerbRunner() = default;
  virtual void Click(const ScriptLine& line) = 0;
  virtual void MouseDown(const ScriptLine& line) = 0;
  virtual void MouseUp(const ScriptLine& line) = 0;
  virtual void MouseMove(const ScriptLine& line) = 0;
  virtual void Key(const ScriptLine& line) = 0;
  virtual void Focus(const ScriptLine& line) = 0;
  virtual void Type(const ScriptLine& line) = 0;
  virtual void Edit(const ScriptLine& line) = 0;
  virtual void Drag(const ScriptLine& line) = 0;
  virtual void ScrollTo(const ScriptLine& line) = 0;
  virtual void Dialog(const ScriptLine& line) = 0;
  virtual void Print(const ScriptLine& line) = 0;
  virtual void Pixel(const ScriptLine& line) = 0;
  virtual void Expect(const ScriptLine& line) = 0;
  virtual void ExpectCanvas(const ScriptLine& line) = 0;
  virtual void SaveCanvas(const ScriptLine& line) = 0;
  virtual void Screenshot(const ScriptLine& line) = 0;
  virtual void WriteLine(const ScriptLine& line) = 0;
  virtual void RemoveFile(const ScriptLine& line) = 0;
};

// The kinds of words after an action's name.
enum class Arg {
  None,         // the end of the list
  Word,         // one word: a control's name, a path
  Button,       // a mouse button 0..7: 1 left, 2 right, 4 middle
  Shift,        // a shift state 0..7: 1 Shift, 2 Ctrl, 4 Alt
  Key,          // a character code 0..65535
  BarValue,     // a scroll bar value -32768..32767
  BarValues,    // one or more scroll bar values
  Component,    // a colour component 0..255
  Copies,       // a print dialog's copies 1..9999
  Orientation,  // 1 portrait, 2 landscape
  FileType,     // a save dialog's file type: 1 bitmap, 2 PNG, 3 SVG, 4 plotter SVG, 5 HPGL,
                // 6 G-code, 7 sand table, 8 animated WebP, 9 animated GIF
  Page,         // a plot's page: A4, letter, WxHmm
  Margin,       // a plot's margin in whole millimetres 0..1000
  Pens,         // a plot's pens 0..256 (0: one a colour)
  Coordinate,   // a decimal number a 32-bit float holds as a finite value
  Text,         // the rest of the line, blanks kept; may be empty
  Rest,         // the rest of the line, at least one word
  Target,       // what print reads
  Expected,     // what expect and until read, then the value expected
};

// When a line runs: at once, once no handler runs any more, or once its
// target reads its value.
enum class Wait { None, Idle, Until };

struct Verb {
  std::string_view name;      // the first word
  std::string_view kind;      // the second word when it picks the action (dialog lines)
  std::array<Arg, 5> args{};  // the words after the name (and the kind)
  size_t required = 0;        // how many of `args` a line must give
  void (VerbRunner::*run)(const ScriptLine&) = nullptr;
  Wait wait = Wait::None;
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
// ("WheelSize 3"), and their values as automation prints them.
struct WheelField {
  std::string_view name;
  std::string (*text)(const base::WheelTable& wheels, int wheel);
};
const WheelField* FindWheelField(std::string_view name);

}  // namespace automation
