#pragma once
// The colour bar: a random drawing colour (left button) or a random canvas
// background (right button); Backspace on it undoes the last picture change.
namespace forms {
class PictureBox;
}
namespace window {
struct TrochelaMain;
}

namespace random_pictures {

void CmdColorBar_MouseDown(window::TrochelaMain& w, int button);
void CmdColorBar_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii);
// Space or Enter on the focused bar picks as the left button does, with Shift
// as the right button; the key goes no further.
void CmdColorBar_KeyDown(window::TrochelaMain& w, int& keyCode, int shift);

}  // namespace random_pictures
