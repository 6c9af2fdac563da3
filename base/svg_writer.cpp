#include "base/svg_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "base/settings_in_pictures.h"

namespace base {
namespace {

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string HexColour(uint32_t bgr) {
  char s[8];
  std::snprintf(s, sizeof s, "#%02X%02X%02X", bgr & 0xFFu, (bgr >> 8) & 0xFFu, (bgr >> 16) & 0xFFu);
  return s;
}

// A coordinate with exactly two decimals, without "-0.00".
void AppendCoordinate(std::string& out, float v) {
  if (!std::isfinite(v)) v = 0;
  long long hundredths = std::llround(static_cast<double>(v) * 100);
  if (hundredths < 0) {
    out += '-';
    hundredths = -hundredths;
  }
  char digits[24];
  const int n =
      std::snprintf(digits, sizeof digits, "%lld.%02lld", hundredths / 100, hundredths % 100);
  out.append(digits, n);
}

}  // namespace

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const uint32_t v = static_cast<uint8_t>(bytes[i]) << 16 |
                       static_cast<uint8_t>(bytes[i + 1]) << 8 | static_cast<uint8_t>(bytes[i + 2]);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  if (i < bytes.size()) {
    uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::string SvgDocument(const LineLog& log, int width, int height, std::string_view pngBase64,
                        bool overflowed, std::string_view settings) {
  const std::string w = std::to_string(width), h = std::to_string(height);
  std::string out;
  out.reserve(512 + pngBase64.size() + log.Points().size() * 16);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out +=
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
      "version=\"1.1\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  if (!settings.empty()) out += SvgSettingsElement(settings);
  if (overflowed)
    out += "<!-- More lines than are kept as vectors: the picture is embedded as pixels. -->\n";
  out += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" +
         HexColour(log.Background()) + "\"/>\n";
  if (!pngBase64.empty()) {
    out += "<image x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h +
           "\" image-rendering=\"optimizeSpeed\" xlink:href=\"data:image/png;base64,";
    out += pngBase64;
    out += "\"/>\n";
  }
  out += "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  const auto& points = log.Points();
  for (size_t k = 0; k < log.Runs().size(); ++k) {
    const LineRun& run = log.Runs()[k];
    out += "<polyline stroke=\"" + HexColour(run.bgr) + "\" stroke-width=\"" +
           std::to_string(run.width < 1 ? 1 : run.width) + "\" points=\"";
    for (size_t i = run.first; i < log.RunEnd(k); ++i) {
      if (i != run.first) out += ' ';
      AppendCoordinate(out, points[i].x);
      out += ',';
      AppendCoordinate(out, points[i].y);
    }
    out += "\"/>\n";
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace base
