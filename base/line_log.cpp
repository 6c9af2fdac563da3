#include "base/line_log.h"

#include <utility>

namespace base {

void LineLog::Reset(uint32_t background, std::shared_ptr<const Image> picture) {
  background_ = background & 0xFFFFFFu;
  picture_ = std::move(picture);
  runs_.clear();
  points_.clear();
  segments_ = 0;
  overflowed_ = false;
}

void LineLog::StartRun(float x0, float y0, uint32_t bgr, int width) {
  runs_.push_back({bgr & 0xFFFFFFu, width, static_cast<uint32_t>(points_.size())});
  Push({x0, y0});
}

void LineLog::Overflow() {
  overflowed_ = true;
  std::vector<LineRun>().swap(runs_);
  std::vector<LinePoint>().swap(points_);
}

}  // namespace base
