#pragma once
// The lines drawn on the canvas since its picture was last replaced, kept as
// vectors so that the picture can be written as an SVG document or redrawn at
// another quality. Consecutive segments of one colour and width that join end
// to start form one polyline; a point costs 8 bytes, so a drawing costs about
// 8 bytes a segment.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/raster.h"

namespace base {

// One polyline: its points are points[first] up to the next run's first.
struct LineRun {
  uint32_t bgr;  // 0x00BBGGRR
  int32_t width;
  uint32_t first;
};

struct LinePoint {
  float x, y;  // pixels from the image's top-left corner
};

// The points, in blocks that stay where they are: growing never copies, and
// a cleared store keeps its blocks for the next drawing, whose points then
// land in memory the machine has already handed out (fresh memory costs more
// than the drawing itself on some machines).
class PointStore {
 public:
  static constexpr size_t kBlockPoints = size_t(1) << 16;  // 512 KiB a block

  void push_back(LinePoint p) {
    if (next_ == end_) NextBlock();
    *next_++ = p;
  }
  size_t size() const {
    return used_ == 0 ? 0 : (used_ - 1) * kBlockPoints + (next_ - blocks_[used_ - 1].get());
  }
  bool empty() const { return used_ == 0; }
  const LinePoint& operator[](size_t i) const {
    return blocks_[i / kBlockPoints][i % kBlockPoints];
  }
  const LinePoint& back() const { return next_[-1]; }
  // Makes sure blocks for `points` points are at hand and touched, so that
  // the first drawing does not wait for fresh memory.
  void Prepare(size_t points);
  // Forgets the points and keeps the blocks.
  void clear();
  // Forgets the points and gives the blocks back.
  void release();
  size_t Bytes() const { return blocks_.size() * kBlockPoints * sizeof(LinePoint); }

 private:
  void NextBlock();
  std::vector<std::unique_ptr<LinePoint[]>> blocks_;
  size_t used_ = 0;  // blocks in use
  LinePoint* next_ = nullptr;
  LinePoint* end_ = nullptr;
};

class LineLog {
 public:
  // Beyond this many segments the log stops recording and keeps only the
  // fact that it overflowed; the picture is then kept as pixels.
  static constexpr size_t kMaxSegments = 50'000'000;
  explicit LineLog(size_t maxSegments = kMaxSegments)
      : maxSegments_(maxSegments), left_(maxSegments) {}

  // Starts again on a canvas of `background` colour, or on a picture that
  // cannot be vectors (a loaded bitmap, a fill, a restored picture).
  void Reset(uint32_t background, std::shared_ptr<const Image> picture = nullptr);

  // Bits of `up` in Add and Extend: which kept positions rounded up (Kept).
  static constexpr unsigned kUpX0 = 1, kUpY0 = 2, kUpX1 = 4, kUpY1 = 8;

  // A segment in pixel coordinates, as the raster draws it.
  void Add(float x0, float y0, float x1, float y1, uint32_t bgr, int width, unsigned up = 0) {
    if (left_ == 0) return Overflow();
    if (runs_.empty() || !Continues(x0, y0, bgr, width)) {
      StartRun(x0, y0, bgr, width);
      NoteUp(up & (kUpX0 | kUpY0));
    }
    Push({x1, y1});
    NoteUp(up >> 2);
    --left_;
  }

  // A segment from the last point added, in the colour and width of the
  // last segment.
  void Extend(float x1, float y1, unsigned up = 0) {
    if (left_ == 0) return Overflow();
    Push({x1, y1});
    NoteUp(up >> 2);
    --left_;
  }

  // A pixel position as it is kept: as far out as the raster takes it, and a
  // position that is not a number where the raster puts it.
  static float Position(double v) { return static_cast<float>(Mapping::Clamp(v)); }
  static float Position(double v, unsigned& up, unsigned bit) {
    const double c = Mapping::Clamp(v);
    return Kept(c, Mapping::PixelOfClamped(c), up, bit);
  }
  // A clamped position `c` in pixel `pixel` as it is kept: the nearest
  // float. Where that is the whole number past the pixel (`c` lay within half
  // a float step below it), `up` gets `bit`, and the log notes it aside, so
  // that the floats stay the nearest ones (the SVG and smooth pictures draw
  // them) and lines drawn again from the log are the drawing's pixels.
  static float Kept(double c, int pixel, unsigned& up, unsigned bit) {
    const float f = static_cast<float>(c);
    if (static_cast<double>(f) == static_cast<double>(pixel) + 1) up |= bit;
    return f;
  }
  // The pixel the raster drew point `i`'s coordinate (0 x, 1 y) in, for
  // `i` and `axis` visited in increasing order, `cursor` starting at 0.
  int PixelOf(size_t i, int axis, size_t& cursor) const {
    const LinePoint& p = points_[i];
    const uint64_t key = 2 * uint64_t{i} + static_cast<uint64_t>(axis);
    while (cursor < roundedUp_.size() && roundedUp_[cursor] < key) ++cursor;
    const bool up = cursor < roundedUp_.size() && roundedUp_[cursor] == key;
    return Mapping::PixelOfClamped(axis == 0 ? p.x : p.y) - (up ? 1 : 0);
  }

  // Readies memory for a drawing of this many segments ahead of time.
  void Prepare(size_t segments) { points_.Prepare(segments + 1); }

  uint32_t Background() const { return background_; }
  // The picture under the lines; null when the lines lie on the background.
  const std::shared_ptr<const Image>& Picture() const { return picture_; }
  const std::vector<LineRun>& Runs() const { return runs_; }
  const PointStore& Points() const { return points_; }
  // Points of run k.
  size_t RunEnd(size_t k) const {
    return k + 1 < runs_.size() ? runs_[k + 1].first : points_.size();
  }
  size_t Segments() const { return overflowed_ ? maxSegments_ + 1 : maxSegments_ - left_; }
  // The segments the log still takes: it changes with every segment added.
  size_t SegmentsLeft() const { return left_; }
  bool Overflowed() const { return overflowed_; }
  // Memory held, in bytes.
  size_t Bytes() const {
    return runs_.capacity() * sizeof(LineRun) + points_.Bytes() +
           roundedUp_.capacity() * sizeof(uint64_t);
  }

 private:
  bool Continues(float x0, float y0, uint32_t bgr, int width) const {
    const LineRun& r = runs_.back();
    const LinePoint& p = points_.back();
    return r.bgr == bgr && r.width == width && p.x == x0 && p.y == y0;
  }
  void Push(LinePoint p) { points_.push_back(p); }
  // Notes the last point's coordinates that rounded up (bit 0 x, bit 1 y).
  void NoteUp(unsigned bits) {
    if (bits == 0) return;
    const uint64_t last = 2 * uint64_t{points_.size() - 1};
    if (bits & 1) roundedUp_.push_back(last);
    if (bits & 2) roundedUp_.push_back(last + 1);
  }
  void StartRun(float x0, float y0, uint32_t bgr, int width);
  void Overflow();

  size_t maxSegments_;
  uint32_t background_ = 0xFFFFFF;
  std::shared_ptr<const Image> picture_;
  std::vector<LineRun> runs_;
  PointStore points_;
  std::vector<uint64_t> roundedUp_;  // 2 * point + axis, ascending
  size_t left_;  // segments it takes before it overflows
  bool overflowed_ = false;
};

}  // namespace base
