#pragma once
// The frame of a PNG file: its signature and its chunks (length, type, data,
// CRC), as the writer and the settings chunk make them. No Qt here.
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

inline constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

// The CRC-32 of PNG chunks and zlib.
uint32_t Crc32(std::string_view bytes);

void AppendBigEndian(std::string& out, uint32_t v);

// Appends a chunk of `type` (four letters) holding `data`, with its CRC.
void AppendPngChunk(std::string& out, std::string_view type, std::string_view data);

}  // namespace base
