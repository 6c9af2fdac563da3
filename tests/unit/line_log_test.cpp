#include "base/line_log.h"

#include <gtest/gtest.h>

#include "base/png_encoder.h"
#include "base/settings_in_pictures.h"
#include "base/svg_writer.h"

namespace {

using base::LineLog;

TEST(LineLog, JoinsSegmentsThatContinueInOneColourAndWidth) {
  LineLog log;
  log.Reset(0xFFFFFF);
  log.Add(0, 0, 10, 0, 0xFF, 1);
  log.Add(10, 0, 10, 10, 0xFF, 1);
  log.Add(10, 10, 0, 10, 0xFF, 1);
  ASSERT_EQ(log.Runs().size(), 1u);
  EXPECT_EQ(log.Points().size(), 4u);
  EXPECT_EQ(log.Segments(), 3u);
  // A gap, another colour and another width each start a polyline.
  log.Add(5, 5, 6, 6, 0xFF, 1);
  log.Add(6, 6, 7, 7, 0xFF00, 1);
  log.Add(7, 7, 8, 8, 0xFF00, 2);
  ASSERT_EQ(log.Runs().size(), 4u);
  EXPECT_EQ(log.RunEnd(0), 4u);
  EXPECT_EQ(log.Runs()[1].first, 4u);
  EXPECT_EQ(log.Runs()[3].width, 2);
  EXPECT_EQ(log.RunEnd(3), log.Points().size());
}

TEST(LineLog, ResetForgetsTheLinesAndKeepsThePicture) {
  LineLog log;
  log.Add(0, 0, 1, 1, 0, 1);
  auto picture = std::make_shared<const base::Image>(4, 3, 0x123456);
  log.Reset(0xFF0000FF, picture);
  EXPECT_EQ(log.Segments(), 0u);
  EXPECT_TRUE(log.Runs().empty());
  EXPECT_EQ(log.Background(), 0xFFu);  // colours keep 24 bits
  EXPECT_EQ(log.Picture(), picture);
}

TEST(LineLog, AFullLogStopsRecordingAndFreesItsLines) {
  LineLog log(1000);
  log.Reset(0);
  for (size_t i = 0; i < 1000; ++i) log.Add(i, 0, i + 1, 0, 0, 1);
  EXPECT_FALSE(log.Overflowed());
  // Beyond the limit the log holds nothing but the fact.
  log.Add(0, 0, 1, 1, 0, 1);
  EXPECT_TRUE(log.Overflowed());
  EXPECT_TRUE(log.Points().empty());
  log.Add(0, 0, 1, 1, 0, 1);
  EXPECT_TRUE(log.Points().empty());
  log.Reset(0);
  EXPECT_FALSE(log.Overflowed());
}

TEST(LineLog, ALongDrawingCostsAtMostTwelveBytesASegmentAndResetKeepsTheMemory) {
  LineLog log;
  log.Reset(0);
  for (size_t n = 1; n <= 600000; ++n) {
    log.Add(n, 0, n + 1, 0, 0, 1);
    if (n >= 140000 && n % 9973 == 0) {
      ASSERT_LE(log.Bytes(), 12 * n) << n;
    }
  }
  EXPECT_EQ(log.Points()[599999].x, 600000.0f);
  const size_t held = log.Bytes();
  log.Reset(0);
  EXPECT_EQ(log.Bytes(), held);
  log.Add(1, 2, 3, 4, 0, 1);
  EXPECT_EQ(log.Points().size(), 2u);
  EXPECT_EQ(log.Points()[1].y, 4.0f);
  EXPECT_EQ(log.Bytes(), held);
}

TEST(SvgDocument, WritesBackgroundPictureAndPolylinesInDrawingOrder) {
  LineLog log;
  log.Reset(0x00FF8000);  // blue 255, green 128
  log.Add(1.004f, 2.5f, -0.001f, 3.125f, 0x0000FF, 1);
  log.Add(-0.001f, 3.125f, 7, 8, 0x0000FF, 1);
  log.Add(0, 0, 1, 1, 0x00FF00, 4);
  const std::string svg = base::SvgDocument(log, 640, 480, "QUJD");
  EXPECT_NE(svg.find("width=\"640\" height=\"480\" viewBox=\"0 0 640 480\""), std::string::npos);
  EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"640\" height=\"480\" fill=\"#0080FF\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("xlink:href=\"data:image/png;base64,QUJD\""), std::string::npos);
  const size_t red = svg.find(
      "<polyline stroke=\"#FF0000\" stroke-width=\"1\" "
      "points=\"1.00,2.50 0.00,3.13 7.00,8.00\"/>");
  const size_t green = svg.find(
      "<polyline stroke=\"#00FF00\" stroke-width=\"4\" "
      "points=\"0.00,0.00 1.00,1.00\"/>");
  ASSERT_NE(red, std::string::npos) << svg;
  ASSERT_NE(green, std::string::npos) << svg;
  EXPECT_LT(svg.find("<image"), red);
  EXPECT_LT(red, green);
  EXPECT_NE(svg.find("stroke-linecap=\"round\" stroke-linejoin=\"round\""), std::string::npos);
  EXPECT_EQ(svg.find("<!--"), std::string::npos);
  EXPECT_NE(base::SvgDocument(log, 1, 1, "", true).find("<!--"), std::string::npos);
  EXPECT_EQ(base::SvgDocument(log, 1, 1, "").find("<image"), std::string::npos);
}

TEST(SvgDocument, Base64MatchesTheStandardAlphabetAndPadding) {
  EXPECT_EQ(base::Base64(""), "");
  EXPECT_EQ(base::Base64("f"), "Zg==");
  EXPECT_EQ(base::Base64("fo"), "Zm8=");
  EXPECT_EQ(base::Base64("foo"), "Zm9v");
  EXPECT_EQ(base::Base64("foobar"), "Zm9vYmFy");
  EXPECT_EQ(base::Base64(std::string("\xff\xfe\x00", 3)), "//4A");
}

// The settings text comes back whole from a PNG (tEXt, iTXt when it is not
// ASCII) and an SVG (escaped); a picture without it gives none.
TEST(SettingsInPictures, TextComesBackFromPngAndSvg) {
  LineLog log;
  const base::Image image(3, 2, 0xFFFFFF);
  std::string got;
  for (const std::string text : {"[Parms]\r\nTxtX= 6\r\n", "a<b>&amp;\"c\"\n", "Gr\xC3\xBC\xC3\x9F"}) {
    ASSERT_TRUE(base::SettingsInPng(base::EncodePng(image, text), got)) << text;
    EXPECT_EQ(got, text);
    ASSERT_TRUE(base::SettingsInSvg(base::SvgDocument(log, 3, 2, "", false, text), got)) << text;
    EXPECT_EQ(got, text);
  }
  EXPECT_FALSE(base::SettingsInPng(base::EncodePng(image), got));
  EXPECT_FALSE(base::SettingsInSvg(base::SvgDocument(log, 3, 2, ""), got));
}

}  // namespace
