#pragma once
// State that the panel shows in captions: kept in the window and its
// settings, written with its caption in one place each, never read back.
#include <cstdint>
#include <string>

namespace forms {
class CommandButton;
class Label;
}  // namespace forms
namespace model {
struct PictureSettings;
}

namespace window {

// The wheel the editor shows (TrochelaMain::ShownWheelNumber) becomes the
// current wheel, as handlers of the editor take it.
int TakeShownWheel(int16_t& currentWheel, int16_t shownWheel);
// Shows wheel n in the editor's caption, "Wheel #n".
void SetShownWheel(int16_t& shownWheel, forms::Label& caption, int n);

// Sets the wheel count as the panel's button shows it (any text that reads
// as a number; a parameter file may write "8.0").
void SetWheelLimit(forms::CommandButton& button, model::PictureSettings& s, std::string text);

}  // namespace window
