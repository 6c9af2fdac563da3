#pragma once
// What Random picks, on a settings value: wheel 1's size, the size and sign of
// each flagged wheel 2..24, the ratio and sign of each flagged wheel 1..24 in
// multi-wheel mode, the pen's colour (red, green, blue) and the resolution,
// in that order from one generator. The wheel editor's bars show the wheel
// shown as they go, and their notifications store what they show
// (model/editor_bars.h). The window's Random and the galleries both pick here.
#include <cstdint>

#include "base/colours.h"
#include "model/editor_bars.h"
#include "model/picture_settings.h"

namespace base {
class Rnd;
}

namespace model {

// The boxes and state Random reads beside the settings.
struct RandomRules {
  int colourRefresh = 1;      // ChkColor: a new pen colour
  int resolutionRefresh = 1;  // ChkResolution: a new resolution
  int even = 0;               // ChkEven: odd ratios only
  int ratioLimit = 19;        // the largest ratio picked
  bool negativeSizes = false;  // a chain's sizes may be negative
  int colorDepth = 32;
  int shownWheel = 1;      // the wheel the editor shows
  bool drawing = false;    // a drawing is running (Random from a key inside it)
};

// What a window does when the new pen colour is picked: shows it, and moves
// its focus to the picture (which may run a field's repair).
class RandomHost {
 public:
  virtual ~RandomHost() = default;
  virtual void ColourPicked(PictureSettings&, EditorBars&) {}
};

// Picks new settings into `s`, moving `bars` to the wheel shown; `loopIndex`
// is the shared loop counter.
void PickRandomSettings(PictureSettings& s, EditorBars& bars, base::Rnd& rnd, const RandomRules& rules,
                        int16_t& loopIndex, RandomHost* host = nullptr);

// Three draws, red, green, blue. On a 16-bit display red and blue come in
// steps of 8 and green in steps of 4, each 0 to 256; otherwise each is 0 to
// 255.
base::Rgb PickColour(base::Rnd& rnd, int colorDepth);

// The colour shown for components that may hold 256: such a component counts
// as 255.
uint32_t ShownColour(const base::Rgb& c);

}  // namespace model
