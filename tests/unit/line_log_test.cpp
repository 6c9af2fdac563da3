#include "base/line_log.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
#include <fstream>

#include "base/animation_frames.h"
#include "base/png_encoder.h"
#include "base/smooth_lines.h"
#include "base/settings_in_pictures.h"
#include "base/svg_writer.h"

namespace {

using base::LineLog;

TEST(LineLog, AFullLogStopsRecordingAndFreesItsLines) {
  LineLog full(1000);
  for (size_t i = 0; i <= 1000; ++i) {
    EXPECT_FALSE(full.Overflowed());
    full.Add(i, 0, i + 1, 0, 0, 1);
  }
  EXPECT_TRUE(full.Overflowed() && full.Points().empty());
  full.Reset(0);
  EXPECT_FALSE(full.Overflowed());
}

// A kept point is the nearest float, and the log tells the pixel it was
// drawn in, also where that float is the next whole number, so that a line
// drawn again from the log is the same.
TEST(LineLog, AKeptPointIsTheNearestFloatInTheDrawnPixel) {
  const double values[] = {99.999999999, -1e-10, 1023.9999999, 5.5, 16777215.9, 3e9, -7.0};
  LineLog log;
  for (const double v : values) {
    unsigned up = 0;
    // Each value once as x and once as y, the other coordinate its negative.
    const float x = LineLog::Position(v, up, LineLog::kUpX1), y = LineLog::Position(-v, up, LineLog::kUpY1);
    log.Add(0, 0, x, y, 0, 1, up);
    EXPECT_EQ(x, LineLog::Position(v));
    unsigned swapped = 0;
    const float sx = LineLog::Position(-v, swapped, LineLog::kUpX1);
    const float sy = LineLog::Position(v, swapped, LineLog::kUpY1);
    log.Add(0, 0, sx, sy, 0, 1, swapped);
  }
  size_t cursor = 0;
  for (size_t k = 0; k < 4 * std::size(values); ++k) {
    const double v = values[k / 4] * ((k + 1) % 4 < 2 ? 1 : -1);  // v, -v, -v, v
    EXPECT_EQ(log.PixelOf(k / 2 * 2 + 1, k % 2, cursor), base::Mapping::PixelIndex(v)) << v;
  }
}

TEST(LineLog, ALongDrawingCostsAtMostTwelveBytesASegmentAndResetKeepsTheMemory) {
  LineLog log;
  for (size_t n = 1; n <= 600000; ++n) {
    log.Add(n, 0, n + 1, 0, 0, 1);
    ASSERT_TRUE(n < 140000 || n % 9973 != 0 || log.Bytes() <= 12 * n) << n;
  }
  const size_t held = log.Bytes();
  log.Reset(0xFF0000FF);
  EXPECT_EQ(log.Background(), 0xFFu);  // colours keep 24 bits
  log.Add(1, 2, 3, 4, 0, 1);
  EXPECT_EQ(log.Points().size(), 2u);
  EXPECT_EQ(log.Bytes(), held);
}

// Settings come back whole from a PNG (tEXt, or iTXt when not ASCII) and an SVG (escaped).
TEST(SettingsInPictures, TextComesBackFromPngAndSvg) {
  LineLog log;
  const base::Image image(3, 2, 0xFFFFFF);
  std::string got;
  for (const std::string text :
       {"[Parms]\r\nTxtX= 6\r\n", "a<b>&amp;\"c\"\n", "Gr\xC3\xBC\xC3\x9F"}) {
    ASSERT_TRUE(base::SettingsInPng(base::EncodePng(image, text), got)) << text;
    EXPECT_EQ(got, text);
    ASSERT_TRUE(base::SettingsInSvg(base::SvgDocument(log, 3, 2, "", false, text), got)) << text;
    EXPECT_EQ(got, text);
  }
  EXPECT_FALSE(base::SettingsInPng(base::EncodePng(image), got));
  EXPECT_FALSE(base::SettingsInSvg(base::SvgDocument(log, 3, 2, ""), got));
}

// A PNG chunk with its length and checksum; text compressed as PNG does.
std::string Chunk(const std::string& type, const std::string& data) {
  std::string out;
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>((type + data).data()), data.size() + 4);
  for (const uLong v : {uLong{data.size()}, crc})
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(v >> shift);
  return out.insert(4, type + data);
}
std::string Deflated(const std::string& text) {
  uLongf size = compressBound(text.size());
  std::string z(size, '\0');
  compress(reinterpret_cast<Bytef*>(z.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
           text.size());
  return z.substr(0, size);
}

// Pictures other programs rewrote read as ours (compressed text, text after
// the pixels or beyond the first megabyte, a prefixed SVG); a damaged chunk
// is refused whole, with the reason.
TEST(SettingsInPictures, RewrittenPicturesReadAndDamagedOnesAreRefused) {
  const std::string bare = base::EncodePng(base::Image(3, 2, 0xFFFFFF)), text = "[Parms]\r\nX=6";
  const std::string head = bare.substr(0, bare.size() - 12), end = bare.substr(head.size());
  const std::string key = std::string("Trochela settings") + '\0', big(3 << 20, ';');
  std::string cut = base::PngWithSettings(bare, text), zeroCrc = cut;
  cut[36] = 20;
  zeroCrc.replace(8 + 25 + 8 + 31, 4, 4, '\0');
  const std::string damaged = "the picture's settings are damaged (";
  const struct {
    std::string bytes, want;
  } cases[] = {
      {head + Chunk("zTXt", key + '\0' + Deflated(text + "\xE9")) + end, text + "\xC3\xA9"},
      {head + Chunk("iTXt", key + std::string("\1\0\0\0", 4) + Deflated(text)) + end, text},
      {head + Chunk("IDAT", big) + Chunk("tEXt", key + text) + end, text},
      {head + Chunk("tEXt", key + text + big) + end, text + big},
      {cut, damaged + "their checksum does not match)"},
      {zeroCrc, damaged + "their checksum does not match)"},
      {head + Chunk("zTXt", key + '\0' + "junk") + end, damaged + "their compressed text does not inflate)"},
      {bare, "the picture carries no settings"},
      {"<?xml?><html>svgs <svgx/></html>", "<?xml?><html>svgs <svgx/></html>"},  // text, no SVG
      {"<svg><metadata id='trochela-settings'>[Parms]&#x;</metadata></svg>",
       damaged + "a malformed character reference)"},
      {head + "\x7f\xff\xff\xfftEXt" + key + text + end,
       "the picture's settings are too large (over " + std::to_string(base::kMaxPictureSettingsBytes) +
           " bytes)"},
      {"<!-- an svg picture" + big + "--><ns0:svg xmlns:ns0=\"http://www.w3.org/2000/svg\"><ns0:metadata "
       "id='trochela-settings'>[Parms]&#10;X=6&#xA;</ns0:metadata></ns0:svg>", "[Parms]\nX=6\n"},
  };
  const std::string path = ::testing::TempDir() + "/settings_picture";
  for (const auto& c : cases) {
    std::ofstream(path, std::ios::binary) << c.bytes;
    std::string got, reason;
    const bool read = base::ReadSettingsText(path, 1 << 20, got, reason);
    EXPECT_EQ(read ? got : reason, c.want) << c.bytes.substr(0, 60);
  }
}

}  // namespace

// Lines drawn smoothly, as golden figures of their ink: thin and wide pens,
// level, upright, slanting either way and zero-length segments (a round dot).
TEST(DrawSmooth, InkOfThinAndWideLines) {
  // x0, y0, x1, y1, pen width; the ink's sum, inked pixels, partly inked ones.
  const std::array<double, 8> cases[] = {
      {4, 5, 40, 5, 1, 9208, 74, 74},          {6, 3, 6, 30, 1, 6922, 56, 56},
      {3, 4, 41, 27, 1, 9752, 80, 80},         {40, 2, 5, 29, 3, 35637, 191, 100},
      {8, 8, 38, 20, 8, 78724, 348, 80},       {20, 4, 24, 30, 8, 63938, 278, 56},
      {22.5, 15.5, 22.5, 15.5, 8, 12943, 69, 32}, {5, 25, 42, 25, 4, 41056, 164, 12},
  };
  for (const auto& c : cases) {
    base::LineLog log;
    log.Add(float(c[0]), float(c[1]), float(c[2]), float(c[3]), 0, int(c[4]));
    base::Image picture(48, 32, 0xFFFFFF);
    base::DrawSmooth(log, picture);
    const base::Ink ink = base::MeasureInk(picture);
    EXPECT_EQ((std::array<double, 3>{ink.sum, double(ink.inked), double(ink.partial)}),
              (std::array<double, 3>{c[5], c[6], c[7]})) << c[0] << "," << c[1] << " w" << c[4];
  }
}

// Frame k of n shows the first ceil(k C / n) of the C segments that change
// the picture; a segment over ink already there takes no frame of its own.
TEST(AnimationFrames, EachFrameAddsAnEqualShareOfTheChangingSegments) {
  for (const auto& [segments, frames, want] :
       {std::tuple{5, 4, std::vector<long>{2, 3, 4, 5}}, {6, 4, std::vector<long>{2, 3, 5, 6}}}) {
    base::Image raster(40, 20, 0xFFFFFF);
    base::LineLog log;
    base::Rect changed;
    for (int i = 0; i < segments; ++i)
      for (int twice = 0; twice < 2; ++twice) {
        log.Add(2, 2.0f * i + 1, 11, 2.0f * i + 1, 0, 1);
        base::DrawLine(raster, 2, 2 * i + 1, 11, 2 * i + 1, 0, 1, changed);
      }
    const base::DrawnPicture p{raster, log, true};
    std::string reason;
    const auto plan = base::PlanFrames(p, reason);
    ASSERT_TRUE(plan && plan->changing == static_cast<size_t>(segments)) << reason;
    std::vector<long> shown;
    base::MakeFrames(p, *plan, frames, false, [&](const base::Image& frame) {
      shown.push_back(base::MeasureInk(frame).inked * segments / base::MeasureInk(raster).inked);
      return true;
    });
    EXPECT_EQ(shown, want) << segments << " segments";
  }
}
