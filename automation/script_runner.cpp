#include "automation/script_runner.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "base/numbers.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace automation {

struct ScriptRunner::State final : VerbRunner {
  State(TrochelaMain& window, forms::ScriptedServices& given, std::vector<ScriptLine> script,
        std::filesystem::path scriptFolder, std::filesystem::path failureFolder)
      : w(window),
        services(given),
        lines(std::move(script)),
        folder(std::move(scriptFolder)),
        outFolder(std::move(failureFolder)) {}

  TrochelaMain& w;
  forms::ScriptedServices& services;
  std::vector<ScriptLine> lines;
  std::filesystem::path folder;     // the script's folder
  std::filesystem::path outFolder;  // where pictures of failures go
  size_t next = 0;
  int failures = 0;
  // When the waiting "until" line began to wait, on the scripted clock.
  std::optional<double> waitingSince;

  void Step();
  void Fail(const ScriptLine& line, const std::string& message);
  forms::Control* Control(const ScriptLine& line, const std::string& name);
  // The control a user's action on the line reaches: none when the line names
  // no control (a failure) or one that is hidden or disabled.
  forms::Control* Reached(const ScriptLine& line);
  // What `print` and `expect` read: TARGET[.PROPERTY], a field with its index,
  // "Focus" or "pixel X Y". `used` counts the words of the target.
  bool Read(const ScriptLine& line, size_t first, std::string& label, std::string& value,
            size_t& used);
  void Mouse(const ScriptLine& line, forms::MouseAction action);
  void Write(const ScriptLine& line, const std::string& text);
  void Scroll(const ScriptLine& line, bool drag);
  enum class Outcome { Holds, Differs, Unreadable };
  // Reads the target of an expect or until line and the value it names.
  Outcome Compare(const ScriptLine& line, std::string& label, std::string& value,
                  std::string& expected);
  bool Waiting(const ScriptLine& line);

  void Click(const ScriptLine& line) override;
  void MouseDown(const ScriptLine& line) override { Mouse(line, forms::MouseAction::Down); }
  void MouseUp(const ScriptLine& line) override { Mouse(line, forms::MouseAction::Up); }
  void MouseMove(const ScriptLine& line) override { Mouse(line, forms::MouseAction::Move); }
  void Key(const ScriptLine& line) override;
  void Focus(const ScriptLine& line) override;
  void Type(const ScriptLine& line) override;
  void Edit(const ScriptLine& line) override;
  void Drag(const ScriptLine& line) override { Scroll(line, true); }
  void ScrollTo(const ScriptLine& line) override { Scroll(line, false); }
  void Dialog(const ScriptLine& line) override;
  void Print(const ScriptLine& line) override;
  void Pixel(const ScriptLine& line) override;
  void Expect(const ScriptLine& line) override;
  void ExpectCanvas(const ScriptLine& line) override;
  void SaveCanvas(const ScriptLine& line) override;
  void Screenshot(const ScriptLine& line) override;
  void WriteLine(const ScriptLine& line) override;
  void RemoveFile(const ScriptLine& line) override;
};

// Writes a line of the script's output; false, with the line told on
// standard error, when standard output loses it (a full disk).
static bool Said(const std::string& text) {
  std::cout << text << std::endl;
  if (std::cout) return true;
  const int error = errno;
  std::cout.clear();
  std::cerr << "trochela: " << text << " (standard output: " << std::strerror(error) << ")"
            << std::endl;
  return false;
}

void ScriptRunner::State::Fail(const ScriptLine& line, const std::string& message) {
  ++failures;
  Said("line " + std::to_string(line.number) + ": " + message);
}

forms::Control* ScriptRunner::State::Control(const ScriptLine& line, const std::string& name) {
  forms::Control* c = w.form.Find(name);
  if (!c) Fail(line, "no control named " + name);
  return c;
}

forms::Control* ScriptRunner::State::Reached(const ScriptLine& line) {
  forms::Control* c = Control(line, line.words[1]);
  // A user cannot reach what is hidden or disabled.
  return c && c->Reachable() ? c : nullptr;
}

void ScriptRunner::State::Click(const ScriptLine& line) {
  if (forms::Control* c = Reached(line)) {
    c->SetFocus();
    c->ScriptClick();
  }
}

void ScriptRunner::State::Mouse(const ScriptLine& line, forms::MouseAction action) {
  forms::Control* c = Reached(line);
  if (!c) return;
  const bool move = action == forms::MouseAction::Move;
  const int button = move ? 0 : line.Whole(2);
  const int shift = move ? 0 : line.Whole(3);
  const size_t xAt = move ? 2 : 4;
  if (action == forms::MouseAction::Down) c->SetFocus();
  c->ScriptMouse(action, button, shift, line.Coordinate(xAt), line.Coordinate(xAt + 1));
}

void ScriptRunner::State::Key(const ScriptLine& line) {
  if (forms::Control* c = Reached(line)) {
    c->SetFocus();
    c->ScriptKey(line.Whole(2));
  }
}

void ScriptRunner::State::Focus(const ScriptLine& line) {
  if (forms::Control* c = Control(line, line.words[1])) c->SetFocus();
}

void ScriptRunner::State::Type(const ScriptLine& line) {
  // The focus then leaves the field, so that the field repairs what was typed.
  if (forms::Control* c = Reached(line); c && c->ScriptType(AfterFirstWord(line.rest)))
    w.Canvas.SetFocus();
}

void ScriptRunner::State::Edit(const ScriptLine& line) {
  if (forms::Control* c = Reached(line)) c->ScriptType(AfterFirstWord(line.rest));
}

void ScriptRunner::State::Scroll(const ScriptLine& line, bool drag) {
  forms::Control* c = Reached(line);
  if (!c) return;
  std::vector<int> values;
  for (size_t i = 2; i < line.words.size(); ++i) values.push_back(line.Whole(i));
  c->ScriptScroll(values, drag);
}

void ScriptRunner::State::Dialog(const ScriptLine& line) {
  forms::DialogAnswer a;
  const std::string& kind = line.words[1];
  if (kind == "open" || kind == "save") {
    a.kind = kind == "open" ? forms::DialogAnswer::Kind::Open : forms::DialogAnswer::Kind::Save;
    a.path = AfterFirstWord(line.rest);
  } else if (kind == "savetype") {
    a.kind = forms::DialogAnswer::Kind::Save;
    a.fileType = line.Whole(2);
    a.path = AfterFirstWord(AfterFirstWord(line.rest));
  } else if (kind == "color") {
    a.kind = forms::DialogAnswer::Kind::Color;
    a.color = static_cast<uint32_t>(line.Whole(2)) | static_cast<uint32_t>(line.Whole(3)) << 8 |
              static_cast<uint32_t>(line.Whole(4)) << 16;
  } else if (kind == "print") {
    a.kind = forms::DialogAnswer::Kind::Print;
    a.print = {line.Whole(2), line.Whole(3)};
  } else if (kind == "plot") {
    a.kind = forms::DialogAnswer::Kind::PlotPage;
    a.plotPage = {line.words[2], line.Whole(3) == 2, static_cast<double>(line.Whole(4)),
                  line.Whole(5)};
  }
  services.Answer(a);
}

void ScriptRunner::State::Print(const ScriptLine& line) {
  std::string label, value;
  size_t used = 0;
  if (Read(line, 1, label, value, used) && !Said(label + "=" + value))
    Fail(line, "the printed line was lost");
}

void ScriptRunner::State::Pixel(const ScriptLine& line) {
  ScriptLine target = line;
  target.words.insert(target.words.begin() + 1, "pixel");
  Print(target);
}

void ScriptRunner::State::Expect(const ScriptLine& line) {
  std::string label, value, expected;
  if (Compare(line, label, value, expected) == Outcome::Differs)
    Fail(line, "expected " + label + "=" + expected + ", got " + label + "=" + value);
}

void ScriptRunner::State::SaveCanvas(const ScriptLine& line) {
  if (!forms::SavePictureFile(w.Canvas.Raster(), line.rest)) Fail(line, "cannot write " + line.rest);
}

void ScriptRunner::State::Screenshot(const ScriptLine& line) {
  if (!w.form.SaveScreenshot(line.rest)) Fail(line, "cannot write " + line.rest);
}

void ScriptRunner::State::WriteLine(const ScriptLine& line) {
  if (!AppendLine(line.words[1], AfterFirstWord(line.rest)))
    Fail(line, "cannot change " + line.words[1]);
}

void ScriptRunner::State::RemoveFile(const ScriptLine& line) {
  const std::string problem = automation::RemoveFile(line.words[1]);
  if (!problem.empty()) Fail(line, "cannot remove " + line.words[1] + ": " + problem);
}

bool ScriptRunner::State::Read(const ScriptLine& line, size_t first, std::string& label,
                               std::string& value, size_t& used) {
  const std::string& target = line.words[first];
  used = 1;
  if (target == "Focus") {
    label = "Focus";
    value = w.form.Focused() ? w.form.Focused()->Name() : "";
    return true;
  }
  if (target == "pixel") {
    used = 3;
    label = "pixel " + line.words[first + 1] + " " + line.words[first + 2];
    const auto x = Coordinate(line.words[first + 1]), y = Coordinate(line.words[first + 2]);
    if (!x || !y) {
      Fail(line, "cannot read " + label + ": a coordinate is not a finite number");
      return false;
    }
    value = std::to_string(w.Canvas.Point(*x, *y));
    return true;
  }
  const size_t dot = target.find('.');
  const std::string name = target.substr(0, dot);
  if (forms::Control* c = w.form.Find(name)) {
    const std::string prop = dot == std::string::npos ? "" : target.substr(dot + 1);
    label = target;
    if (dot != std::string::npos && prop.empty()) {
      Fail(line, target + " names no property after its dot");
      return false;
    }
    if (!c->Property(prop, value)) {
      Fail(line, name + " has no property " + prop);
      return false;
    }
    return true;
  }
  const bool indexed = FindWheelField(target) != nullptr;
  int index = 0;
  if (indexed) {
    // The reader has checked the wheel number.
    index = line.Whole(first + 1);
    used = 2;
    label = target + " " + line.words[first + 1];
  } else {
    label = target;
  }
  std::string problem;
  if (!indexed && ServicesText(services, line.words, first, label, value, used, problem))
    return true;
  if (!problem.empty()) {
    Fail(line, problem);
    return false;
  }
  if (!FieldText(w, target, index, indexed, value)) {
    Fail(line, "no control or field " + label);
    return false;
  }
  return true;
}

void ScriptRunner::State::ExpectCanvas(const ScriptLine& line) {
  const std::string file = AfterFirstWord(line.rest);
  const std::filesystem::path path = folder / file;
  std::string problem;
  if (auto expected = services.LoadPicture(path.string()))
    problem = CanvasDifference(w.Canvas.Raster(), *expected);
  else
    problem = "cannot read " + path.string();
  if (problem.empty()) return;
  // The canvas as it is, to look at or to take as the new picture.
  const std::filesystem::path shown = outFolder / (path.stem().string() + ".actual.png");
  forms::SavePictureFile(w.Canvas.Raster(), shown.string());
  Fail(line, "canvas differs from " + file + ": " + problem + " (canvas written to " +
                 shown.string() + ")");
}

ScriptRunner::State::Outcome ScriptRunner::State::Compare(const ScriptLine& line,
                                                          std::string& label, std::string& value,
                                                          std::string& expected) {
  size_t used = 0;
  if (!Read(line, 1, label, value, used)) return Outcome::Unreadable;
  // The expected value is the rest of the line after the target, as written.
  expected = line.rest;
  for (size_t i = 0; i < used; ++i) expected = AfterFirstWord(expected);
  return value == expected ? Outcome::Holds : Outcome::Differs;
}

// An "until" line holds the script back, yield after yield, until its target
// reads the value (one that cannot be read counts as reached, after failing).
bool ScriptRunner::State::Waiting(const ScriptLine& line) {
  std::string label, value, expected;
  return Compare(line, label, value, expected) == Outcome::Differs;
}

void ScriptRunner::State::Step() {
  const bool busy = w.form.HandlersRunning() > 0;
  if (next < lines.size() && lines[next].verb->wait == Wait::Until && Waiting(lines[next])) {
    // Each look reads the scripted clock, so a value that never comes ends
    // the wait after kUntilSeconds of it, as a failure.
    const double now = services.Timer();
    if (!waitingSince) waitingSince = now;
    if (now - *waitingSince < kUntilSeconds) {
      w.form.Post([this] { Step(); });
      return;
    }
    std::string label, value, expected;
    Compare(lines[next], label, value, expected);
    Fail(lines[next], label + " was still " + value + ", not " + expected + ", after " +
                          std::to_string(kUntilSeconds) + " seconds of the scripted clock");
  }
  waitingSince.reset();
  if (next == lines.size() || (lines[next].verb->wait == Wait::Idle && busy)) {
    if (next < lines.size() || busy) {
      w.form.Post([this] { Step(); });
      return;
    }
    w.form.EndProgram(failures ? 1 : 0);
  }
  const ScriptLine& line = lines[next++];
  // The next line is queued first, so that it arrives inside this line's
  // drawing when the line starts one, as a user's next click would.
  w.form.Post([this] { Step(); });
  // The line counts as a handler while it runs, so that a line arriving inside
  // it (in a yield it causes) does not take the script for finished.
  if (line.verb->run) w.form.Raise([&] { (this->*line.verb->run)(line); });
}

namespace {

// The current folder; none when it has been deleted (pictures of failures are
// then written by their bare names, which fails and is reported).
std::filesystem::path CurrentFolder() {
  std::error_code ec;
  const auto folder = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path() : folder;
}

std::filesystem::path ScriptFolder(const std::string& folder) {
  if (folder.empty()) return CurrentFolder();
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(folder, ec);
  return ec ? std::filesystem::path(folder) : absolute;
}

}  // namespace

ScriptRunner::ScriptRunner(TrochelaMain& w, forms::ScriptedServices& services,
                           std::vector<ScriptLine> lines, const std::string& folder)
    : s_(new State(w, services, std::move(lines), ScriptFolder(folder), CurrentFolder())) {
  w.form.OnEnd = [this](int& code) {
    if (code == 0 && s_->failures) code = 1;
  };
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Start() {
  s_->w.form.Post([this] { s_->Step(); });
}

}  // namespace automation
