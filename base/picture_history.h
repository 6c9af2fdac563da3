#pragma once
// The pictures from before each change, kept compressed so that dozens of
// full-screen pictures fit in a few megabytes: Back steps to the picture
// before the last change kept, Forward again to the one that was left.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "base/raster.h"

namespace base {

class PictureHistory {
 public:
  // At most `steps` pictures back, and together never more than `bytes`
  // (the oldest go first; the newest is always kept).
  explicit PictureHistory(size_t steps = 100, size_t bytes = size_t{16} << 20)
      : maxSteps_(steps), maxBytes_(bytes) {}

  // Keeps `picture` as the one before a change and forgets the pictures
  // stepped back over. A picture equal to the newest kept is kept once.
  void Keep(const Image& picture);
  // A canvas holding only its background colour, kept without its pixels.
  void KeepBlank(int width, int height, uint32_t bgr);

  // The picture before `current` (which Forward then gives back); none when
  // nothing is kept.
  std::optional<Image> Back(const Image& current);
  std::optional<Image> Forward(const Image& current);

  size_t BackSteps() const { return back_.size(); }
  size_t ForwardSteps() const { return forward_.size(); }
  // The memory the kept pictures take.
  size_t Bytes() const;

 private:
  struct Entry {
    int width = 0, height = 0;
    uint32_t blank = 0;          // the colour of a blank canvas
    std::vector<uint8_t> rows;   // compressed; empty for a blank canvas
    bool operator==(const Entry&) const = default;
  };
  static Entry Compress(const Image& picture);
  static Image Expand(const Entry& e);
  void Add(Entry e);
  void Trim();
  // The picture at the end of `from`; `current` goes to the end of `to`.
  static std::optional<Image> Step(std::deque<Entry>& from, std::deque<Entry>& to,
                                   const Image& current);

  size_t maxSteps_, maxBytes_;
  std::deque<Entry> back_, forward_;
};

}  // namespace base
