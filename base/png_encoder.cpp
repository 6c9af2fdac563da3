#include "base/png_encoder.h"

#include <zlib.h>

#include <cstdint>
#include <vector>

#include "base/png_chunks.h"
#include "base/settings_in_pictures.h"

namespace base {
namespace {

// One row as the filter gives it: the filter's byte, then R, G, B a pixel.
void FilterRow(const uint32_t* row, const uint32_t* above, int width, int filter,
               std::vector<uint8_t>& out) {
  out[0] = static_cast<uint8_t>(filter);
  uint8_t* p = out.data() + 1;
  uint32_t left = 0;
  for (int x = 0; x < width; ++x) {
    const uint32_t px = row[x];
    const uint32_t prev = filter == 1 ? left : filter == 2 && above ? above[x] : 0;
    for (int shift = 16; shift >= 0; shift -= 8)
      *p++ = static_cast<uint8_t>(((px >> shift) - (prev >> shift)) & 0xFF);
    left = px;
  }
}

}  // namespace

std::string EncodePng(const Image& image, std::string_view settings, const PngEncoding& e) {
  std::string out(kPngSignature);
  std::string header;
  AppendBigEndian(header, static_cast<uint32_t>(image.width));
  AppendBigEndian(header, static_cast<uint32_t>(image.height));
  header += std::string_view("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, no interlace
  AppendPngChunk(out, "IHDR", header);
  if (!settings.empty()) out = PngWithSettings(out, settings);

  z_stream z{};
  if (deflateInit2(&z, e.level, Z_DEFLATED, 15, 8, e.rle ? Z_RLE : Z_DEFAULT_STRATEGY) != Z_OK)
    return {};
  bool failed = false;
  std::vector<uint8_t> row(1 + size_t(image.width) * 3);
  std::string data;
  std::vector<uint8_t> buffer(1 << 16);
  auto drain = [&](int flush) {
    do {
      z.next_out = buffer.data();
      z.avail_out = static_cast<uInt>(buffer.size());
      const int status = deflate(&z, flush);
      if (status == Z_STREAM_ERROR) failed = true;
      data.append(reinterpret_cast<const char*>(buffer.data()), buffer.size() - z.avail_out);
    } while (!failed && z.avail_out == 0);
  };
  for (int y = 0; y < image.height; ++y) {
    FilterRow(image.Row(y), y > 0 ? image.Row(y - 1) : nullptr, image.width, e.filter, row);
    z.next_in = row.data();
    z.avail_in = static_cast<uInt>(row.size());
    drain(Z_NO_FLUSH);
  }
  drain(Z_FINISH);
  deflateEnd(&z);
  if (failed) return {};
  // IDAT chunks of at most 1 GiB each.
  constexpr size_t kMaxChunk = size_t(1) << 30;
  for (size_t at = 0; at < data.size() || at == 0; at += kMaxChunk)
    AppendPngChunk(out, "IDAT", std::string_view(data).substr(at, kMaxChunk));
  AppendPngChunk(out, "IEND", {});
  return out;
}

}  // namespace base
