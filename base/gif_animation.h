#pragma once
// A drawing growing as an animated GIF (giflib): one palette of the
// picture's colours, and each frame only the rectangle that changed, the
// pixels it leaves as they were transparent.
#include <string>

#include "base/animation.h"
#include "base/animation_frames.h"

namespace base {

// The file bytes of `plan`'s plain frames of `p`; false with a reason when
// they cannot be made, among them a picture of more colours than a GIF
// holds (256).
bool EncodeGifAnimation(const DrawnPicture& p, const FramePlan& plan, const Animation& a,
                        std::string& bytes, std::string& reason);

}  // namespace base
