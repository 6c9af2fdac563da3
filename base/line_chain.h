#pragma once
// Consecutive lines of a drawing: each starts where the last one ended, so the
// mapping of the shared end point is computed once; every segment can be
// recorded as a vector as it is drawn.
#include <cmath>
#include <cstdint>

#include "base/line_log.h"
#include "base/raster.h"

namespace base {

// Lines drawn end to end in canvas units, each from where the last one ended,
// as a drawing draws them: the shared end is mapped to pixels once. The
// pixels are those of DrawLine between the mapped ends.
class LineChain {
 public:
  // `log`, when given, records every segment as a vector as it is drawn.
  LineChain(const Mapping& map, uint32_t bgr, int width, LineLog* log = nullptr)
      : map_(map), bgr_(bgr), width_(width), log_(log) {}
  // The line, its pixel rectangle added to `changed`.
  void Line(Image& img, float x1, float y1, float x2, float y2, Rect& changed) {
    const bool joins = x1 == endX_ && y1 == endY_;
    if (!joins) {
      endPosX_ = Mapping::Clamp(map_.PositionX(x1));
      endPosY_ = Mapping::Clamp(map_.PositionY(y1));
      endPx_ = Mapping::PixelOfClamped(endPosX_);
      endPy_ = Mapping::PixelOfClamped(endPosY_);
    }
    const int px1 = endPx_, py1 = endPy_;
    const double posX1 = endPosX_, posY1 = endPosY_;
    endX_ = x2;
    endY_ = y2;
    endPosX_ = Mapping::Clamp(map_.PositionX(x2));
    endPosY_ = Mapping::Clamp(map_.PositionY(y2));
    endPx_ = Mapping::PixelOfClamped(endPosX_);
    endPy_ = Mapping::PixelOfClamped(endPosY_);
    if (log_) {
      unsigned up = 0;
      const float logX = LineLog::Kept(endPosX_, endPx_, up, LineLog::kUpX1);
      const float logY = LineLog::Kept(endPosY_, endPy_, up, LineLog::kUpY1);
      // A line from where this chain's last one ended goes on from the log's
      // last point, unless someone else has added to the log since.
      if (joins && log_->SegmentsLeft() == logLeft_) {
        log_->Extend(logX, logY, up);
      } else {
        const float x0 = LineLog::Kept(posX1, px1, up, LineLog::kUpX0);
        const float y0 = LineLog::Kept(posY1, py1, up, LineLog::kUpY0);
        log_->Add(x0, y0, logX, logY, bgr_, width_, up);
      }
      logLeft_ = log_->SegmentsLeft();
    }
    DrawLine(img, px1, py1, endPx_, endPy_, bgr_, width_, changed);
  }

 private:
  Mapping map_;
  uint32_t bgr_;
  int width_;
  LineLog* log_;
  float endX_ = NAN, endY_ = NAN;     // no end yet: NaN equals nothing
  double endPosX_ = 0, endPosY_ = 0;  // clamped
  int endPx_ = 0, endPy_ = 0;
  size_t logLeft_ = 0;  // the log's SegmentsLeft after this chain's last line
};

}  // namespace base
