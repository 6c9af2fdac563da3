#pragma once
// The numbers the handlers receive and set for input and the pointer: mouse
// buttons and shift keys as bit sets, the character codes of KeyPress, the
// key codes of KeyDown, and the pointer kinds of MousePointer.
namespace base {

// Mouse buttons: a press names one, a move every button held.
inline constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;

// Shift, Ctrl and Alt held with a press.
inline constexpr int kShiftKey = 1, kCtrlKey = 2, kAltKey = 4;

// Character codes of KeyPress.
inline constexpr int kKeyBackspace = 8, kKeyEscape = 27, kKeySpace = 32;

// Key codes of KeyDown: letters and digits as their upper-case characters.
inline constexpr int kKeyReturn = 13, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39,
                     kKeyDown = 40, kKeyF1 = 112;

// Pointer kinds: the default pointer and the hourglass of a drawing.
inline constexpr int kDefaultPointer = 0, kHourglassPointer = 13;

}  // namespace base
