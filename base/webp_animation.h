#pragma once
// A drawing growing as an animated WebP (libwebp's animation encoder),
// lossless: one-pixel lines stay exact.
#include <string>

#include "base/animation.h"
#include "base/animation_frames.h"

namespace base {

// The file bytes of `plan`'s frames of `p`; false with a reason when they
// cannot be made.
bool EncodeWebpAnimation(const DrawnPicture& p, const FramePlan& plan, const Animation& a,
                         bool antialias, std::string& bytes, std::string& reason);

}  // namespace base
