#pragma once
// The program's version and the look its windows share.
#include <cstdint>

namespace base {

inline constexpr const char* kVersion = "1.81";
inline constexpr const char* kFontName = "Arial";
inline constexpr uint32_t kRed = 0x0000FF;  // 0x00BBGGRR

}  // namespace base
