#pragma once
// Memory for large pixel buffers. A canvas of a few megabytes is walked one
// row at a time by steep lines, one pixel a row, so each step lands on
// another 4 KiB page: in small pages the rows fall wherever the system puts
// them, and the caches, which sort by physical address, hold them well in one
// run and badly in the next. Large buffers are asked for in huge pages where
// the system offers them, so that a picture is drawn equally fast every time.
#include <cstddef>
#include <cstdint>
#include <new>

namespace base {

void* AllocatePixels(size_t bytes);
void FreePixels(void* p) noexcept;

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) {}
  T* allocate(size_t n) {
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocatePixels(n * sizeof(T)));
  }
  void deallocate(T* p, size_t) noexcept { FreePixels(p); }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const {
    return true;
  }
};

}  // namespace base
