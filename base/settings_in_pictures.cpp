#include "base/settings_in_pictures.h"

#include <zlib.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

#include "base/file_io.h"
#include "base/png_chunks.h"

namespace base {
namespace {

constexpr size_t kChunkHead = 8, kChunkTail = 4;  // length and type; the CRC
constexpr size_t npos = std::string_view::npos;

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

// XML starts with '<' after any blanks and a byte order mark.
bool IsXml(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '<';
}

// An XML file is an SVG when it names an svg element, with a namespace prefix
// or without, in its first bytes (after any comments and declarations).
bool NamesSvg(std::string_view bytes) {
  for (size_t at = bytes.find("svg"); at != std::string_view::npos; at = bytes.find("svg", at + 1))
    if (at > 0 && (bytes[at - 1] == '<' || bytes[at - 1] == ':') && at + 3 < bytes.size() &&
        std::string_view(" \t\r\n/>").find(bytes[at + 3]) != std::string_view::npos)
      return true;
  return false;
}

}  // namespace

std::string PngWithSettings(std::string_view png, std::string_view settings) {
  const size_t headerEnd = kPngSignature.size() + kChunkHead + 13 + kChunkTail;
  if (!IsPng(png) || png.size() < headerEnd || png.substr(12, 4) != "IHDR") return std::string(png);
  const bool ascii = IsAscii(settings);
  std::string text(kSettingsKeyword);
  text += '\0';
  // iTXt: uncompressed, no language tag, no translated keyword.
  if (!ascii) text += std::string_view("\0\0\0\0", 4);
  text += settings;
  std::string out(png.substr(0, headerEnd));
  AppendPngChunk(out, ascii ? "tEXt" : "iTXt", text);
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


namespace {

// Bytes taken in order from memory or from a file, a block at a time, so
// that a picture is walked without being held whole.
class Bytes {
 public:
  explicit Bytes(std::string_view memory) : buf_(memory), eof_(true) {}
  explicit Bytes(int fd) : fd_(fd) {}
  Bytes(const Bytes&) = delete;
  Bytes& operator=(const Bytes&) = delete;
  ~Bytes() {
    if (fd_ >= 0) ::close(fd_);
  }
  // The next n bytes, or fewer at the end; they stay to be taken.
  std::string_view Peek(size_t n) {
    while (buf_.size() - pos_ < n && Fill()) {
    }
    return std::string_view(buf_).substr(pos_, n);
  }
  // Appends the next n bytes to `out`; false when fewer remain.
  bool Take(size_t n, std::string& out) {
    const std::string_view got = Peek(n);
    out.append(got);
    pos_ += got.size();
    return got.size() == n;
  }
  // Passes n bytes by; a file moves its position without reading them.
  void Skip(uint64_t n) {
    const size_t here = buf_.size() - pos_;
    if (n <= here) {
      pos_ += static_cast<size_t>(n);
      return;
    }
    buf_.clear();
    pos_ = 0;
    if (fd_ < 0 || ::lseek(fd_, static_cast<off_t>(n - here), SEEK_CUR) < 0) eof_ = true;
  }
  // The bytes not taken yet that have been read; all of them, from memory.
  std::string& Held() { return buf_.erase(0, std::exchange(pos_, 0)); }
  // Reads the next block after what is held; false at the end.
  bool Fill() {
    if (eof_) return false;
    buf_.erase(0, std::exchange(pos_, 0));
    const size_t had = buf_.size();
    buf_.resize(had + kBlock);
    ssize_t n;
    do n = ::read(fd_, buf_.data() + had, kBlock);
    while (n < 0 && errno == EINTR);
    if (n < 0) error_ = std::strerror(errno);
    buf_.resize(had + static_cast<size_t>(std::max<ssize_t>(n, 0)));
    eof_ = n <= 0;
    return n > 0;
  }
  // Why the bytes ended early: a read error, else empty.
  const std::string& Error() const { return error_; }

 private:
  static constexpr size_t kBlock = size_t{1} << 20;
  std::string buf_;
  size_t pos_ = 0;
  int fd_ = -1;
  bool eof_ = false;
  std::string error_;
};

const std::string kNone = "the picture carries no settings";
const std::string kDamaged = "the picture's settings are damaged";
const std::string kNoSvg = "it is XML but no SVG picture";

std::string TooLarge() {
  return "the picture's settings are too large (over " + std::to_string(kMaxPictureSettingsBytes) +
         " bytes)";
}

// The inflated zlib stream, at most kMaxPictureSettingsBytes.
bool Inflate(std::string_view in, std::string& out, std::string& reason) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) {
    reason = "there is no memory to inflate the picture's settings";
    return false;
  }
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(in.size());
  out.clear();
  std::array<char, 65536> block;
  int r = Z_OK;
  while (r == Z_OK && out.size() <= kMaxPictureSettingsBytes) {
    z.next_out = reinterpret_cast<Bytef*>(block.data());
    z.avail_out = block.size();
    r = inflate(&z, Z_NO_FLUSH);
    out.append(block.data(), block.size() - z.avail_out);
  }
  inflateEnd(&z);
  if (out.size() > kMaxPictureSettingsBytes) reason = TooLarge();
  else if (r != Z_STREAM_END) reason = kDamaged + " (their compressed text does not inflate)";
  return r == Z_STREAM_END && out.size() <= kMaxPictureSettingsBytes;
}

// tEXt and zTXt hold Latin-1; the program reads UTF-8.
std::string Utf8FromLatin1(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto b = static_cast<uint8_t>(c);
    if (b >= 0x80) out += static_cast<char>(0xC0 | b >> 6);
    out += b >= 0x80 ? static_cast<char>(0x80 | (b & 0x3F)) : c;
  }
  return out;
}

// The text of our chunk from its data after the keyword and its zero.
bool ChunkText(std::string_view type, std::string_view value, std::string& settings,
               std::string& reason) {
  if (type == "tEXt") {
    settings = Utf8FromLatin1(value);
    return true;
  }
  if (type == "iTXt") {
    // Compression flag and method, then the language tag and the translated
    // keyword, each ended by a zero.
    const size_t language = value.find('\0', 2);
    const size_t translated = language == npos ? npos : value.find('\0', language + 1);
    if (value.size() < 2 || static_cast<uint8_t>(value[0]) > 1 || translated == npos) {
      reason = kDamaged + " (their text chunk is malformed)";
      return false;
    }
    const bool compressed = value[0] == 1, deflate = value[1] == 0;
    value.remove_prefix(translated + 1);
    if (!compressed) {
      settings.assign(value);
      return true;
    }
    if (!deflate) {
      reason = kDamaged + " (they are compressed in an unknown way)";
      return false;
    }
    return Inflate(value, settings, reason);
  }
  // zTXt: the compression method, then the compressed text.
  if (value.empty() || value[0] != 0) {
    reason = kDamaged + " (they are compressed in an unknown way)";
    return false;
  }
  if (!Inflate(value.substr(1), settings, reason)) return false;
  settings = Utf8FromLatin1(settings);
  return true;
}

// Walks a PNG's chunks to the first text chunk of ours, before or after the
// pixels, which it takes whole and checks; every other chunk is passed by.
bool PngSettings(Bytes& in, std::string& settings, std::string& reason) {
  std::string head;
  if (!in.Take(kPngSignature.size(), head) || head != kPngSignature) {
    reason = kNone;
    return false;
  }
  const std::string keyword = std::string(kSettingsKeyword) + '\0';
  for (;;) {
    head.clear();
    if (!in.Take(kChunkHead, head)) break;
    const uint32_t length = BigEndianAt(head, 0);
    const std::string type = head.substr(4);
    if (type == "IEND") {
      reason = kNone;
      return false;
    }
    if (!(type == "tEXt" || type == "zTXt" || type == "iTXt") ||
        in.Peek(keyword.size()) != keyword || length < keyword.size()) {
      in.Skip(uint64_t{length} + kChunkTail);
      continue;
    }
    // A settings chunk larger than its text may be is refused unread.
    if (length > kMaxPictureSettingsBytes + 1024) {
      reason = TooLarge();
      return false;
    }
    std::string chunk = type;
    if (!in.Take(length, chunk) || !in.Take(kChunkTail, head)) {
      reason = in.Error().empty() ? kDamaged + " (cut short)" : in.Error();
      return false;
    }
    // A cut length or a changed byte shows in the checksum: nothing of such
    // a chunk is used.
    if (Crc32(chunk) != BigEndianAt(head, head.size() - kChunkTail)) {
      reason = kDamaged + " (their checksum does not match)";
      return false;
    }
    return ChunkText(type, std::string_view(chunk).substr(4 + keyword.size()), settings, reason);
  }
  reason = in.Error().empty() ? kNone + " (it is cut short)" : in.Error();
  return false;
}

// The XML character data with its entities and character references
// replaced; false when a reference is malformed.
bool XmlText(std::string_view body, std::string& text) {
  text.clear();
  for (size_t amp; (amp = body.find('&')) != npos;) {
    text.append(body.substr(0, amp));
    body.remove_prefix(amp);
    const size_t semi = body.find(';');
    if (semi == npos || semi > 12) return false;
    const std::string_view name = body.substr(1, semi - 1);
    body.remove_prefix(semi + 1);
    bool known = false;
    for (const auto& [plain, entity] : kEntities)
      if (entity.substr(1, entity.size() - 2) == name) text += plain, known = true;
    if (name == "apos") text += '\'', known = true;
    if (known) continue;
    // &#10; or &#xA;: the character, written as UTF-8.
    const bool hex = name.substr(0, 2) == "#x";
    if (name.size() < 2 || name[0] != '#' || name.size() == (hex ? 2u : 1u)) return false;
    uint32_t c = 0;
    for (const char d : name.substr(hex ? 2 : 1)) {
      const int v = std::isdigit(static_cast<uint8_t>(d)) ? d - '0'
                    : hex && std::isxdigit(static_cast<uint8_t>(d)) ? (d | 0x20) - 'a' + 10
                                                                     : -1;
      if (v < 0 || c > 0x10FFFF) return false;
      c = c * (hex ? 16 : 10) + static_cast<uint32_t>(v);
    }
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    constexpr uint32_t kLead[] = {0, 0xC0, 0xE0, 0xF0};
    const int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    text += static_cast<char>(kLead[extra] | c >> (6 * extra));
    for (int k = extra - 1; k >= 0; --k) text += static_cast<char>(0x80 | (c >> (6 * k) & 0x3F));
  }
  text.append(body);
  return true;
}

// Whether the start tag from '<' to the id's opening quote names the
// settings element: metadata, with a namespace prefix or without, and the id
// as the value of its id attribute.
bool IsSettingsTag(std::string_view tag) {
  const auto trimmed = [](std::string_view t) {
    return t.substr(0, t.find_last_not_of(" \t\r\n") + 1);
  };
  const size_t blank = tag.find_first_of(" \t\r\n");
  if (blank == npos) return false;
  std::string_view name = tag.substr(1, blank - 1);
  if (const size_t colon = name.find(':'); colon != npos) name.remove_prefix(colon + 1);
  std::string_view attribute = trimmed(tag.substr(0, tag.size() - 1));
  if (name != "metadata" || attribute.empty() || attribute.back() != '=') return false;
  attribute = trimmed(attribute.substr(0, attribute.size() - 1));
  return attribute.ends_with("id") &&
         std::string_view(" \t\r\n").find(attribute[attribute.size() - 3]) != npos;
}

// Searches an SVG a block at a time for the settings element and takes its
// text.
bool SvgSettings(Bytes& in, std::string& settings, std::string& reason) {
  constexpr size_t kTagBytes = 4096;  // the longest start tag looked back over
  bool svg = false;
  do {
    std::string& held = in.Held();
    svg = svg || NamesSvg(std::string_view(held).substr(0, 16 * kTagBytes));
    size_t keep = held.size() > kTagBytes + kSettingsId.size()
                      ? held.size() - kTagBytes - kSettingsId.size()
                      : 0;
    for (size_t id = held.find(kSettingsId); id != npos; id = held.find(kSettingsId, id + 1)) {
      const size_t open = held.rfind('<', id), end = held.find('>', id);
      if (open == npos || id - open > kTagBytes || id + kSettingsId.size() >= held.size()) continue;
      if (end == npos) {  // the tag may go on in the next block
        keep = std::min(keep, open);
        break;
      }
      const char quote = held[id - 1];
      if ((quote != '"' && quote != '\'') || held[id + kSettingsId.size()] != quote ||
          !IsSettingsTag(std::string_view(held).substr(open, id - open)))
        continue;
      // The element's text runs to its closing tag.
      const std::string name = held.substr(open + 1, held.find_first_of(" \t\r\n", open) - open - 1);
      const std::string close = "</" + name + ">";
      held.erase(0, end + 1);
      size_t stop;
      while ((stop = held.find(close)) == npos && held.size() <= kMaxPictureSettingsBytes &&
             in.Fill()) {
      }
      if (stop == npos) {
        reason = held.size() > kMaxPictureSettingsBytes ? TooLarge()
                 : in.Error().empty()                    ? kDamaged + " (their element is not closed)"
                                                         : in.Error();
        return false;
      }
      if (!XmlText(std::string_view(held).substr(0, stop), settings)) {
        reason = kDamaged + " (a malformed character reference)";
        return false;
      }
      return true;
    }
    held.erase(0, keep);
  } while (in.Fill());
  reason = !in.Error().empty() ? in.Error() : svg ? kNone : kNoSvg;
  return false;
}

}  // namespace

namespace {

// A reader over bytes in memory, its reason handed on when asked for.
template <class Reader>
bool SettingsInBytes(Reader read, std::string_view bytes, std::string& settings,
                     std::string* reason) {
  Bytes in(bytes);
  std::string why;
  const bool found = read(in, settings, why);
  if (reason) *reason = why;
  return found;
}

}  // namespace

bool SettingsInPng(std::string_view png, std::string& settings, std::string* reason) {
  return SettingsInBytes(PngSettings, png, settings, reason);
}

bool SettingsInSvg(std::string_view svg, std::string& settings, std::string* reason) {
  return SettingsInBytes(SvgSettings, svg, settings, reason);
}

bool ReadSettingsText(const std::string& path, size_t limit, std::string& text,
                      std::string& reason) {
  const int fd = OpenReadableFile(path, reason);
  if (fd < 0) return false;
  Bytes in(fd);
  // The blocks read and the settings held are memory that may run out.
  try {
    const std::string_view start = in.Peek(kPngSignature.size() + 64);
    if (IsPng(start)) return PngSettings(in, text, reason);
    if (IsXml(start)) {
      if (SvgSettings(in, text, reason)) return true;
      if (reason != kNoSvg) return false;
    }
    // A bitmap, GIF or JPEG is a picture too, but never carries settings.
    if (start.starts_with("BM") || start.starts_with("GIF8") || start.starts_with("\xFF\xD8\xFF")) {
      reason = "the picture carries no settings";
      return false;
    }
    return ReadWholeFile(path, limit, text, reason);
  } catch (const std::bad_alloc&) {
    reason = "out of memory";
    return false;
  }
}

}  // namespace base
