#pragma once
// The lines drawn on the canvas since its picture was last replaced, kept as
// vectors so that the picture can be written as an SVG document or redrawn at
// another quality. Consecutive segments of one colour and width that join end
// to start form one polyline; a point costs 8 bytes, so a drawing costs about
// 8 bytes a segment.
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

class LineLog {
 public:
  // Beyond this many segments the log stops recording and keeps only the
  // fact that it overflowed; the picture is then kept as pixels.
  static constexpr size_t kMaxSegments = 50'000'000;
  explicit LineLog(size_t maxSegments = kMaxSegments) : maxSegments_(maxSegments) {}

  // Starts again on a canvas of `background` colour, or on a picture that
  // cannot be vectors (a loaded bitmap, a fill, a restored picture).
  void Reset(uint32_t background, std::shared_ptr<const Image> picture = nullptr);

  // A segment in pixel coordinates, as the raster draws it.
  void Add(float x0, float y0, float x1, float y1, uint32_t bgr, int width) {
    if (overflowed_) return;
    if (runs_.empty() || !Continues(x0, y0, bgr, width)) StartRun(x0, y0, bgr, width);
    Push({x1, y1});
    if (++segments_ > maxSegments_) Overflow();
  }

  uint32_t Background() const { return background_; }
  // The picture under the lines; null when the lines lie on the background.
  const std::shared_ptr<const Image>& Picture() const { return picture_; }
  const std::vector<LineRun>& Runs() const { return runs_; }
  const std::vector<LinePoint>& Points() const { return points_; }
  // Points of run k.
  size_t RunEnd(size_t k) const {
    return k + 1 < runs_.size() ? runs_[k + 1].first : points_.size();
  }
  size_t Segments() const { return segments_; }
  bool Overflowed() const { return overflowed_; }
  // Memory held, in bytes.
  size_t Bytes() const {
    return runs_.capacity() * sizeof(LineRun) + points_.capacity() * sizeof(LinePoint);
  }

 private:
  bool Continues(float x0, float y0, uint32_t bgr, int width) const {
    const LineRun& r = runs_.back();
    const LinePoint& p = points_.back();
    return r.bgr == bgr && r.width == width && p.x == x0 && p.y == y0;
  }
  // Grows by half, not double, so that the points never hold more than about
  // 12 bytes a segment.
  void Push(LinePoint p) {
    if (points_.size() == points_.capacity()) points_.reserve(points_.size() * 3 / 2 + 4096);
    points_.push_back(p);
  }
  void StartRun(float x0, float y0, uint32_t bgr, int width);
  void Overflow();

  size_t maxSegments_;
  uint32_t background_ = 0xFFFFFF;
  std::shared_ptr<const Image> picture_;
  std::vector<LineRun> runs_;
  std::vector<LinePoint> points_;
  size_t segments_ = 0;
  bool overflowed_ = false;
};

}  // namespace base
