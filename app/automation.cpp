#include "app/automation.h"

#include <filesystem>
#include <iostream>

#include "base/numbers.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace app {

struct ScriptRunner::State {
  TrochelaMain& w;
  forms::ScriptedServices& services;
  std::vector<ScriptLine> lines;
  std::filesystem::path folder;     // the script's folder
  std::filesystem::path outFolder;  // where pictures of failures go
  size_t next = 0;
  int failures = 0;

  void Step();
  void Run(const ScriptLine& line);
  void Fail(const ScriptLine& line, const std::string& message);
  forms::Control* Control(const ScriptLine& line, const std::string& name);
  // What `print` and `expect` read: TARGET[.PROPERTY], a field with its index,
  // "Focus" or "pixel X Y". `used` counts the words of the target.
  bool Read(const ScriptLine& line, size_t first, std::string& label, std::string& value,
            size_t& used);
  void Click(forms::Control* c);
  void ExpectCanvas(const ScriptLine& line, const std::string& file);
  enum class Outcome { Holds, Differs, Unreadable };
  // Reads the target of an expect or until line and the value it names.
  Outcome Compare(const ScriptLine& line, std::string& label, std::string& value,
                  std::string& expected);
  bool Waiting(const ScriptLine& line);
};

void ScriptRunner::State::Fail(const ScriptLine& line, const std::string& message) {
  ++failures;
  std::cout << "line " << line.number << ": " << message << std::endl;
}

forms::Control* ScriptRunner::State::Control(const ScriptLine& line, const std::string& name) {
  forms::Control* c = w.form.Find(name);
  if (!c) Fail(line, "no control named " + name);
  return c;
}

void ScriptRunner::State::Click(forms::Control* c) {
  // A user cannot click what is hidden or disabled.
  if (!c->Reachable()) return;
  c->SetFocus();
  if (auto* b = dynamic_cast<forms::CommandButton*>(c)) {
    w.form.Raise([&] {
      if (b->MouseDown) b->MouseDown(1, 0, 0, 0);
    });
    w.form.Raise([&] {
      if (b->MouseUp) b->MouseUp(1, 0, 0, 0);
    });
    w.form.Raise(b->Click);
  } else if (auto* box = dynamic_cast<forms::CheckBox*>(c)) {
    // A mouse click: the box toggles, then the button's release arrives.
    box->UserClicked();
    w.form.Raise([&] {
      if (box->MouseUp) box->MouseUp(1, 0, 0, 0);
    });
  } else if (auto* option = dynamic_cast<forms::OptionButton*>(c)) {
    option->UserClicked();
  } else if (auto* label = dynamic_cast<forms::Label*>(c)) {
    w.form.Raise(label->Click);
  } else if (auto* pic = dynamic_cast<forms::PictureBox*>(c)) {
    w.form.Raise([&] {
      if (pic->MouseDown) pic->MouseDown(1, 0, 0, 0);
    });
    w.form.Raise([&] {
      if (pic->MouseUp) pic->MouseUp(1, 0, 0, 0);
    });
  }
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
    if (!c->Property(prop, value)) {
      Fail(line, name + " has no property " + prop);
      return false;
    }
    return true;
  }
  const bool indexed = IsArrayField(target);
  int index = 0;
  if (indexed) {
    // The reader has checked the wheel number.
    index = static_cast<int>(WholeNumber(line.words[first + 1], 1, kMaxWheel).value_or(0));
    used = 2;
    label = target + " " + line.words[first + 1];
  } else {
    label = target;
  }
  if (!indexed && ServicesText(services, line.words, first, label, value, used)) return true;
  if (!FieldText(w, target, index, indexed, value)) {
    Fail(line, "no control or field " + label);
    return false;
  }
  return true;
}

void ScriptRunner::State::Run(const ScriptLine& line) {
  const auto& words = line.words;
  const std::string& verb = words[0];
  // The reader has checked every number of the line and its range.
  auto whole = [&](size_t i) {
    return static_cast<int>(WholeNumber(words[i], kMinBarValue, kMaxKeyCode).value_or(0));
  };
  auto coordinate = [&](size_t i) {
    return words.size() > i ? Coordinate(words[i]).value_or(0) : 0.0f;
  };
  if (verb == "click") {
    if (auto* c = Control(line, words[1])) Click(c);
  } else if (verb == "mousedown" || verb == "mouseup" || verb == "mousemove") {
    forms::Control* c = Control(line, words[1]);
    if (!c || !c->Reachable()) return;
    const bool move = verb == "mousemove";
    const int button = move ? 0 : whole(2);
    const int shift = move ? 0 : whole(3);
    const size_t xAt = move ? 2 : 4;
    const float x = coordinate(xAt), y = coordinate(xAt + 1);
    if (verb == "mousedown") c->SetFocus();
    forms::MouseHandler* h = nullptr;
    if (auto* pic = dynamic_cast<forms::PictureBox*>(c))
      h = verb == "mousedown" ? &pic->MouseDown
          : verb == "mouseup" ? &pic->MouseUp
                              : &pic->MouseMove;
    else if (auto* b = dynamic_cast<forms::CommandButton*>(c))
      h = verb == "mousedown" ? &b->MouseDown : verb == "mouseup" ? &b->MouseUp : nullptr;
    else if (auto* box = dynamic_cast<forms::CheckBox*>(c))
      h = verb == "mouseup" ? &box->MouseUp : nullptr;
    if (h && *h) w.form.Raise([&] { (*h)(button, shift, x, y); });
  } else if (verb == "key") {
    forms::Control* c = Control(line, words[1]);
    if (!c || !c->Reachable()) return;
    c->SetFocus();
    int key = whole(2);
    if (c->KeyPress) w.form.Raise([&] { c->KeyPress(key); });
    // Space toggles a check box from the keyboard, without any mouse event.
    if (auto* box = dynamic_cast<forms::CheckBox*>(c); box && key == 32) box->UserClicked();
  } else if (verb == "focus") {
    if (auto* c = Control(line, words[1])) c->SetFocus();
  } else if (verb == "type" || verb == "edit") {
    auto* field = dynamic_cast<forms::TextBox*>(Control(line, words[1]));
    if (!field || !field->Reachable()) return;
    field->SetFocus();
    const std::string rest = AfterFirstWord(line.rest);
    field->UserTyped(rest);
    if (verb == "type") w.Canvas.SetFocus();
  } else if (verb == "drag" || verb == "scrollto") {
    auto* bar = dynamic_cast<forms::ScrollBar*>(Control(line, words[1]));
    if (!bar || !bar->Reachable()) return;
    bar->SetFocus();
    if (verb == "scrollto") {
      bar->UserSet(whole(2));
    } else {
      for (size_t i = 2; i < words.size(); ++i) bar->UserDragTo(whole(i));
      bar->UserRelease();
    }
  } else if (verb == "dialog") {
    forms::DialogAnswer a;
    const std::string& kind = words[1];
    if (kind == "open" || kind == "save") {
      a.kind = kind == "open" ? forms::DialogAnswer::Kind::Open : forms::DialogAnswer::Kind::Save;
      a.path = AfterFirstWord(line.rest);
    } else if (kind == "color") {
      a.kind = forms::DialogAnswer::Kind::Color;
      a.color = static_cast<uint32_t>(whole(2)) | static_cast<uint32_t>(whole(3)) << 8 |
                static_cast<uint32_t>(whole(4)) << 16;
    } else if (kind == "print") {
      a.kind = forms::DialogAnswer::Kind::Print;
      a.print = {whole(2), whole(3)};
    }
    services.Answer(a);
  } else if (verb == "print" || verb == "pixel") {
    std::string label, value;
    size_t used = 0;
    ScriptLine target = line;
    if (verb == "pixel") target.words.insert(target.words.begin() + 1, "pixel");
    if (Read(target, 1, label, value, used)) std::cout << label << "=" << value << std::endl;
  } else if (verb == "savecanvas") {
    if (!services.SavePicture(w.Canvas.Raster(), line.rest)) Fail(line, "cannot write " + line.rest);
  } else if (verb == "writeline" || verb == "removefile") {
    if (!EditFile(verb, words[1], AfterFirstWord(line.rest)))
      Fail(line, "cannot change " + words[1]);
  } else if (verb == "screenshot") {
    if (!w.form.SaveScreenshot(line.rest)) Fail(line, "cannot write " + line.rest);
  } else if (verb == "expect" && words[1] == "canvas") {
    ExpectCanvas(line, AfterFirstWord(line.rest));
  } else if (verb == "expect") {
    std::string label, value, expected;
    if (Compare(line, label, value, expected) == Outcome::Differs)
      Fail(line, "expected " + label + "=" + expected + ", got " + label + "=" + value);
  }
}

void ScriptRunner::State::ExpectCanvas(const ScriptLine& line, const std::string& file) {
  const std::filesystem::path path = folder / file;
  std::string problem;
  if (auto expected = services.LoadPicture(path.string()))
    problem = CanvasDifference(w.Canvas.Raster(), *expected);
  else
    problem = "cannot read " + path.string();
  if (problem.empty()) return;
  // The canvas as it is, to look at or to take as the new picture.
  const std::filesystem::path shown = outFolder / (path.stem().string() + ".actual.png");
  services.SavePicture(w.Canvas.Raster(), shown.string());
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
  if (next < lines.size() && lines[next].words[0] == "until" && Waiting(lines[next])) {
    w.form.Post([this] { Step(); });
    return;
  }
  if (next == lines.size() || (lines[next].words[0] == "idle" && busy)) {
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
  if (line.words[0] != "idle" && line.words[0] != "until") w.form.Raise([&] { Run(line); });
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
    : s_(new State{w, services, std::move(lines), ScriptFolder(folder), CurrentFolder()}) {
  w.form.OnEnd = [this](int& code) {
    if (code == 0 && s_->failures) code = 1;
  };
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Start() {
  s_->w.form.Post([this] { s_->Step(); });
}

}  // namespace app
