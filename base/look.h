#pragma once
// The program's version and the look its windows share.
#include <cstdint>

namespace base {

// The project's version, given by the build.
inline constexpr const char* kVersion = TROCHELA_VERSION;
inline constexpr const char* kFontName = "Arial";
inline constexpr uint32_t kRed = 0x0000FF;  // 0x00BBGGRR

}  // namespace base
