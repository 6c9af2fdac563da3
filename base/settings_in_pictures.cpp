#include "base/settings_in_pictures.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "base/file_io.h"

namespace base {
namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
constexpr size_t kChunkHead = 8, kChunkTail = 4;  // length and type; the CRC

uint32_t Crc32(std::string_view bytes) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void AppendBigEndian(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

uint32_t BigEndianAt(std::string_view bytes, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
  return v;
}

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<uint8_t>(c) >= 0x80) return false;
  return true;
}

const std::array<std::pair<std::string_view, std::string_view>, 4> kEntities = {
    {{"&", "&amp;"}, {"<", "&lt;"}, {">", "&gt;"}, {"\"", "&quot;"}}};

bool IsPng(std::string_view bytes) { return bytes.substr(0, kPngSignature.size()) == kPngSignature; }

// XML starts with '<' after any blanks and a byte order mark, and an SVG
// names its root early.
bool IsSvg(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '<' &&
         bytes.substr(0, 4096).find("<svg") != std::string_view::npos;
}

}  // namespace

std::string PngWithSettings(std::string_view png, std::string_view settings) {
  const size_t headerEnd = kPngSignature.size() + kChunkHead + 13 + kChunkTail;
  if (!IsPng(png) || png.size() < headerEnd || png.substr(12, 4) != "IHDR") return std::string(png);
  std::string chunk = IsAscii(settings) ? "tEXt" : "iTXt";
  chunk += kSettingsKeyword;
  chunk += '\0';
  // iTXt: uncompressed, no language tag, no translated keyword.
  if (chunk[0] == 'i') chunk += std::string_view("\0\0\0\0", 4);
  chunk += settings;
  std::string out(png.substr(0, headerEnd));
  AppendBigEndian(out, static_cast<uint32_t>(chunk.size() - 4));
  out += chunk;
  AppendBigEndian(out, Crc32(chunk));
  out += png.substr(headerEnd);
  return out;
}

std::string SvgSettingsElement(std::string_view settings) {
  std::string out = "<metadata id=\"" + std::string(kSettingsId) + "\">";
  for (const char c : settings) {
    bool escaped = false;
    for (const auto& [plain, entity] : kEntities)
      if (c == plain[0]) out += entity, escaped = true;
    if (!escaped) out += c;
  }
  return out + "</metadata>\n";
}

bool SettingsInPng(std::string_view png, std::string& settings) {
  if (!IsPng(png)) return false;
  for (size_t at = kPngSignature.size(); at + kChunkHead <= png.size();) {
    const uint32_t length = BigEndianAt(png, at);
    const std::string_view type = png.substr(at + 4, 4);
    if (length > png.size() - at - kChunkHead) return false;  // cut short
    const std::string_view data = png.substr(at + kChunkHead, length);
    if (type == "IEND") return false;
    const bool text = type == "tEXt", international = type == "iTXt";
    if ((text || international) && data.substr(0, kSettingsKeyword.size()) == kSettingsKeyword &&
        data.size() > kSettingsKeyword.size() && data[kSettingsKeyword.size()] == '\0') {
      std::string_view value = data.substr(kSettingsKeyword.size() + 1);
      if (international) {
        // Compression flag and method, then the language tag and the
        // translated keyword, each ended by a zero.
        if (value.size() < 2 || value[0] != '\0') return false;
        value.remove_prefix(2);
        for (int field = 0; field < 2; ++field) {
          const size_t end = value.find('\0');
          if (end == std::string_view::npos) return false;
          value.remove_prefix(end + 1);
        }
      }
      settings.assign(value);
      return true;
    }
    at += kChunkHead + length + kChunkTail;
  }
  return false;
}

bool SettingsInSvg(std::string_view svg, std::string& settings) {
  const std::string open = "<metadata id=\"" + std::string(kSettingsId) + "\">";
  const size_t start = svg.find(open);
  if (start == std::string_view::npos) return false;
  const size_t end = svg.find("</metadata>", start);
  if (end == std::string_view::npos) return false;
  std::string_view body = svg.substr(start + open.size(), end - start - open.size());
  settings.clear();
  while (!body.empty()) {
    bool replaced = false;
    for (const auto& [plain, entity] : kEntities)
      if (body.substr(0, entity.size()) == entity) {
        settings += plain;
        body.remove_prefix(entity.size());
        replaced = true;
        break;
      }
    if (!replaced) {
      settings += body[0];
      body.remove_prefix(1);
    }
  }
  return true;
}

bool ReadSettingsText(const std::string& path, size_t limit, std::string& text,
                      std::string& reason) {
  if (!CheckReadableFile(path, reason)) return false;
  std::string start(limit, '\0');
  {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!f) return ReadWholeFile(path, limit, text, reason);
    start.resize(std::fread(start.data(), 1, limit, f.get()));
  }
  const bool png = IsPng(start), svg = !png && IsSvg(start);
  const bool otherPicture = start.starts_with("BM") || start.starts_with("GIF8") ||
                            start.starts_with("\xFF\xD8\xFF");  // a bitmap, GIF, JPEG
  if (!png && !svg && !otherPicture) return ReadWholeFile(path, limit, text, reason);
  if ((png && SettingsInPng(start, text)) || (svg && SettingsInSvg(start, text))) return true;
  reason = "the picture carries no settings";
  return false;
}

}  // namespace base
