#pragma once
// A drawing as an animated picture (animated WebP or GIF, base/animation_frames.h
// makes the frames): how many frames, how fast, and how long the finished
// picture stays before the animation starts again. It loops for ever.

namespace base {

struct Animation {
  static constexpr int kFrames = 60, kMaxFrames = 1000;
  // A GIF counts in hundredths of a second, and viewers slow down frames
  // shorter than two of them.
  static constexpr int kFps = 20, kMaxFps = 50;
  // How long the last frame, the finished picture, stays.
  static constexpr int kHoldMs = 2000;
  int frames = kFrames;
  int fps = kFps;
};

// Why a GIF is never smooth.
inline constexpr const char* kGifIsNotSmooth = "a GIF's 256 colours cannot hold smooth lines";

// When frame k (0 up to frames - 1) starts, in milliseconds from the first,
// rounded so that the frames keep their pace over the whole animation;
// k = frames gives the end of the last one, which lasts kHoldMs.
inline int FrameStartMs(const Animation& a, int k) {
  if (k >= a.frames) return FrameStartMs(a, a.frames - 1) + Animation::kHoldMs;
  return static_cast<int>((static_cast<long long>(k) * 1000 + a.fps / 2) / a.fps);
}

}  // namespace base
