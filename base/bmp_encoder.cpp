#include "base/bmp_encoder.h"

#include <cstdint>

namespace base {
namespace {

constexpr size_t kHeaderBytes = 14 + 40;
constexpr uint32_t kPixelsPerMetre = 3780;  // 96 dots an inch

void Put(char*& at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) *at++ = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

void EncodeBmp(const Image& image, std::string& out) {
  const size_t row = (static_cast<size_t>(image.width) * 3 + 3) & ~size_t{3};
  const size_t size = kHeaderBytes + row * static_cast<size_t>(image.height);
  out.assign(size, '\0');
  char* at = out.data();
  *at++ = 'B';
  *at++ = 'M';
  Put(at, static_cast<uint32_t>(size), 4);
  Put(at, 0, 4);
  Put(at, kHeaderBytes, 4);
  Put(at, 40, 4);
  Put(at, static_cast<uint32_t>(image.width), 4);
  Put(at, static_cast<uint32_t>(image.height), 4);
  Put(at, 1, 2);   // planes
  Put(at, 24, 2);  // bits a pixel
  Put(at, 0, 4);   // not compressed
  Put(at, static_cast<uint32_t>(row * static_cast<size_t>(image.height)), 4);
  Put(at, kPixelsPerMetre, 4);
  Put(at, kPixelsPerMetre, 4);
  Put(at, 0, 4);
  Put(at, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    const uint32_t* p = image.Row(y);
    char* line = at;
    for (int x = 0; x < image.width; ++x) Put(line, p[x], 3);  // blue, green, red
    at += row;
  }
}

}  // namespace base
