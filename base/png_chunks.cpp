#include "base/png_chunks.h"

#include <zlib.h>

namespace base {

uint32_t Crc32(std::string_view bytes) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void AppendBigEndian(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void AppendPngChunk(std::string& out, std::string_view type, std::string_view data) {
  AppendBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out += type;
  out += data;
  AppendBigEndian(out, Crc32(std::string_view(out).substr(start)));
}

}  // namespace base
