#pragma once
// Snap and Clear, and Backspace on the buttons that change the picture. The
// one level of undo itself is window/undo.h.
namespace forms {
class PictureBox;
}
namespace window {
struct TrochelaMain;
}

namespace files {

// Keeps the canvas picture in SnapPic; Clear and the drawings with ChkClear
// off start from it. The focus stays on the button.
void CmdSnap_Click(window::TrochelaMain& w);

// Keeps the picture in Undo, refits the scale when ChkScale is set, and shows
// an empty canvas (ChkClear set) or the snapped picture.
void CmdClear_Click(window::TrochelaMain& w);

// Backspace brings back the picture kept in Undo, also while a drawing runs
// (which then goes on on top of it); other keys do nothing.
void CmdClear_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii);
void CmdDraw_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo, int keyAscii);
void CmdSetBackColor_KeyPress(forms::PictureBox& canvas, const forms::PictureBox& undo,
                              int keyAscii);

}  // namespace files
