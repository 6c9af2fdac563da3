#include "base/pixel_memory.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace base {
namespace {

constexpr size_t kHugePage = size_t(2) << 20;
// Smaller buffers are not worth a whole huge page.
constexpr size_t kHugeFrom = size_t(1) << 20;

}  // namespace

void* AllocatePixels(size_t bytes) {
  void* p = nullptr;
  if (bytes >= kHugeFrom && bytes <= SIZE_MAX - kHugePage) {
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    p = std::aligned_alloc(kHugePage, rounded);
#if defined(MADV_HUGEPAGE)
    if (p) madvise(p, rounded, MADV_HUGEPAGE);  // a hint: refused, small pages serve
#endif
  } else {
    p = std::malloc(bytes ? bytes : 1);
  }
  if (!p) throw std::bad_alloc();
  return p;
}

void FreePixels(void* p) noexcept { std::free(p); }

}  // namespace base
