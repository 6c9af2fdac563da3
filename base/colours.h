#pragma once
// Colours as the program holds them: 0x00BBGGRR values and their components.
#include <cstdint>

namespace base {

struct Rgb {
  int32_t red{}, green{}, blue{};
};

inline uint32_t RgbColor(const Rgb& c) {
  return static_cast<uint32_t>(c.red + 256 * c.green + 65536 * c.blue);
}

inline Rgb Components(uint32_t colour) {
  return Rgb{static_cast<int32_t>(colour & 255), static_cast<int32_t>((colour & 65280) / 256),
             static_cast<int32_t>((colour & 16711680) / 65536)};
}

// What a 16-bit display can show: red and blue down to a multiple of 8, green
// to a multiple of 4; a component of exactly 255 stays 255.
inline Rgb Reduce16(Rgb c) {
  if (c.red != 255) c.red = c.red / 8 * 8;
  if (c.green != 255) c.green = c.green / 4 * 4;
  if (c.blue != 255) c.blue = c.blue / 8 * 8;
  return c;
}

}  // namespace base
