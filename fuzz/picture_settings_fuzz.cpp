// Fuzz target: the settings pictures carry. The input is a whole picture
// (PNG and SVG readers), or the text of a settings chunk that the target
// wraps in a PNG as another program might write it: plain, compressed (zTXt,
// compressed iTXt), before or after the image data, with its checksum right
// or wrong. Nothing may crash or read out of bounds; a chunk whose checksum
// is wrong is refused; text the program writes reads back whole.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/png_encoder.h"
#include "base/raster.h"
#include "base/settings_in_pictures.h"

namespace {

void AppendWord(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(v >> shift);
}

// A chunk with its length and its checksum, bits flipped by `crcFlip`.
std::string Chunk(const std::string& type, const std::string& data, uint32_t crcFlip) {
  const std::string body = type + data;
  std::string out;
  AppendWord(out, static_cast<uint32_t>(data.size()));
  out += body;
  AppendWord(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                              static_cast<uInt>(body.size()))) ^
                      crcFlip);
  return out;
}

std::string Utf8FromLatin1(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto b = static_cast<uint8_t>(c);
    if (b < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | b >> 6);
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

std::string Deflated(std::string_view text) {
  uLongf size = compressBound(text.size());
  std::string z(size, '\0');
  compress(reinterpret_cast<Bytef*>(z.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
           text.size());
  z.resize(size);
  return z;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string settings, reason;
  if (mode < 64) {
    base::SettingsInPng(rest, settings, &reason);
    base::SettingsInSvg(rest, settings, &reason);
    return 0;
  }
  static const std::string bare = base::EncodePng(base::Image(2, 2, 0xFFFFFF));
  // The text the program writes comes back whole, from a PNG and an SVG.
  if (mode < 96) {
    if (!base::SettingsInPng(base::PngWithSettings(bare, rest), settings) || settings != rest)
      __builtin_trap();
    const std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\">" +
                            base::SvgSettingsElement(rest) + "</svg>";
    if (!base::SettingsInSvg(svg, settings) || settings != rest) __builtin_trap();
    return 0;
  }
  // The chunk as another program may have put it: its kind, whether its text
  // is compressed, whether it comes after the image data, a wrong checksum.
  const std::string kinds[3] = {"tEXt", "zTXt", "iTXt"};
  const std::string& kind = kinds[mode % 3];
  const bool compressed = kind == "zTXt" || (kind == "iTXt" && (mode & 8) != 0);
  const bool after = (mode & 16) != 0;
  const uint32_t flip = (mode & 32) != 0 ? 1u << (mode % 32) : 0;
  std::string body = std::string(base::kSettingsKeyword) + '\0';
  if (kind == "zTXt") body += '\0';
  if (kind == "iTXt") body += std::string(compressed ? "\1\0" : "\0\0", 2) + "en" + '\0' + '\0';
  body += compressed && (mode & 4) == 0 ? Deflated(rest) : std::string(rest);
  const std::string chunk = Chunk(kind, body, flip);
  const size_t header = 8 + 25, end = bare.size() - 12;
  const std::string png = after ? bare.substr(0, end) + chunk + bare.substr(end)
                                : bare.substr(0, header) + chunk + bare.substr(header);
  const bool read = base::SettingsInPng(png, settings, &reason);
  // Every refusal has its reason; a wrong checksum is always refused; a
  // sound chunk always reads, Latin-1 text as UTF-8.
  if (!read && reason.empty()) __builtin_trap();
  if (flip != 0 && read) __builtin_trap();
  const bool sound = flip == 0 && (!compressed || (mode & 4) == 0);
  if (sound && (!read || settings != (kind == "iTXt" ? std::string(rest) : Utf8FromLatin1(rest))))
    __builtin_trap();
  return 0;
}
