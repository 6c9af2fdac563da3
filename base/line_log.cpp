#include "base/line_log.h"

#include <algorithm>
#include <utility>

namespace base {

void PointStore::NextBlock() {
  if (used_ == blocks_.size())
    blocks_.push_back(std::make_unique_for_overwrite<LinePoint[]>(kBlockPoints));
  next_ = blocks_[used_++].get();
  end_ = next_ + kBlockPoints;
}

void PointStore::Prepare(size_t points) {
  while (blocks_.size() * kBlockPoints < points) {
    blocks_.push_back(std::make_unique_for_overwrite<LinePoint[]>(kBlockPoints));
    std::fill_n(blocks_.back().get(), kBlockPoints, LinePoint{});
  }
}

void PointStore::clear() {
  used_ = 0;
  next_ = end_ = nullptr;
}

void PointStore::release() {
  clear();
  std::vector<std::unique_ptr<LinePoint[]>>().swap(blocks_);
}

void LineLog::Reset(uint32_t background, std::shared_ptr<const Image> picture) {
  background_ = background & 0xFFFFFFu;
  picture_ = std::move(picture);
  runs_.clear();
  points_.clear();
  roundedUp_.clear();
  left_ = maxSegments_;
  overflowed_ = false;
}

void LineLog::StartRun(float x0, float y0, uint32_t bgr, int width) {
  runs_.push_back({bgr & 0xFFFFFFu, width, static_cast<uint32_t>(points_.size())});
  Push({x0, y0});
}

void LineLog::Overflow() {
  if (overflowed_) return;
  overflowed_ = true;
  std::vector<LineRun>().swap(runs_);
  std::vector<uint64_t>().swap(roundedUp_);
  points_.release();
}

}  // namespace base
