#include "base/line_log.h"

#include <gtest/gtest.h>

#include "base/png_encoder.h"
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

}  // namespace
