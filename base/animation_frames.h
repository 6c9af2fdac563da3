#pragma once
// The frames of a drawing growing: its lines drawn again from the line log,
// in drawing order, over the picture they were drawn on, with the line the
// drawing uses (base::DrawLine). Each frame adds an equal share of the
// segments that change the picture; segments off the picture and segments
// that retrace what is drawn already change nothing and take no time. The
// last frame is the finished picture.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/picture_file.h"
#include "base/raster.h"

namespace base {

// What the frames of a picture hold, found by drawing its lines once.
struct FramePlan {
  // The picture under the lines: the log's, the background, or the picture
  // itself when the lines cannot tell it (then there are no lines).
  std::shared_ptr<const Image> start;
  const LineLog* lines = nullptr;  // null: no lines
  // The segments that change at least one pixel, drawn in order.
  size_t changing = 0;
  // The colours (0x00BBGGRR) the plain frames show, sorted; at most
  // kMaxColours + 1 are gathered.
  static constexpr size_t kMaxColours = 256;
  std::vector<uint32_t> colours;
  // False when the lines drawn again miss the finished picture somewhere (a
  // point kept beyond 2^24 pixels out cannot be kept exactly): the last
  // frame is then the finished picture itself.
  bool exact = true;
};

// The plan of `p`'s frames; none, with the reason, when the log lost lines
// (more than it keeps).
std::optional<FramePlan> PlanFrames(const DrawnPicture& p, std::string& reason);

// Calls `take` with each of the `frames` frames in order, plain or smooth
// (base/smooth_lines.h); the image lives until the next call. Frames that
// show the same as the one before are still made. Stops when `take` returns
// false, and returns false then.
bool MakeFrames(const DrawnPicture& p, const FramePlan& plan, int frames, bool antialias,
                const std::function<bool(const Image&)>& take);

}  // namespace base
