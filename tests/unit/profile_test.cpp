// Profile files as parameter files and printer.ini use them.
#include "base/profile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using base::Profile;

TEST(Profile, ReadsKeysWithoutRegardToCaseTrimmedAndCut) {
  const Profile p(
      "; note\r\n[parms]\r\n  fixed =  240 \r\nTxtX=\t1.5\t\r\n"
      "TxtLoop=123456789012345678901234567890\r\n");
  EXPECT_EQ(p.Get("Parms", "Fixed", "111", 21), "240");
  EXPECT_EQ(p.Get("PARMS", "txtx", "111", 21), "1.5");
  EXPECT_EQ(p.Get("Parms", "TxtLoop", "111", 21), "123456789012345678901");
  EXPECT_EQ(p.Get("Parms", "TxtY", "111", 21), "111");
  EXPECT_EQ(p.Get("Other", "Fixed", "False", 40), "False");
  EXPECT_TRUE(p.Has("Parms", "FIXED"));
  EXPECT_FALSE(p.Has("Parms", "TxtY"));
}

TEST(Profile, AByteOrderMarkBeforeTheFirstSectionIsSkipped) {
  const Profile p("\xEF\xBB\xBF[Parms]\r\nFixed=7\r\n");
  EXPECT_TRUE(p.HasSection("parms"));
  EXPECT_EQ(p.Get("Parms", "Fixed", "", 21), "7");
  EXPECT_EQ(p.Text(), "\xEF\xBB\xBF[Parms]\r\nFixed=7\r\n");
  // Only one mark is skipped: what follows a second one is no section, and
  // reading the written text again sees the same.
  Profile twice("\xEF\xBB\xBF\xEF\xBB\xBF[Parms]\nFixed=1\n");
  twice.Set("Parms", "Fixed", "2");
  EXPECT_EQ(Profile(twice.Text()).Get("Parms", "Fixed", "", 21), "2");
}

TEST(Profile, EveryLineEndReadsAlikeAndTheFirstOfDuplicatesCounts) {
  for (const std::string end : {"\n", "\r", "\r\n", "\n\r"}) {
    std::string text = "[Parms]|Fixed=1|Fixed=2|[Parms]|TxtX=3|[Other]|TxtY=4";
    for (size_t at; (at = text.find('|')) != std::string::npos;) text.replace(at, 1, end);
    const Profile p(text);
    EXPECT_EQ(p.Get("Parms", "Fixed", "", 21), "1");
    // Keys of a later section of the same name are not seen, nor those of another.
    EXPECT_EQ(p.Get("Parms", "TxtX", "d", 21), "d");
    EXPECT_EQ(p.Get("Parms", "TxtY", "d", 21), "d");
    EXPECT_EQ(p.Get("Other", "TxtY", "d", 21), "4");
  }
}

TEST(Profile, WritingReplacesInPlaceAndKeepsEveryOtherLine) {
  Profile p("[Parms]\nChkScale=1\nTxtWheel9= 30\n\n[Other]\nA=b\n");
  p.Set("Parms", "chkscale", "0");
  p.Set("Parms", "Type", "2");  // new: after the section's last line that is not blank
  p.Set("New", "K", "v");       // new section at the end
  EXPECT_EQ(p.Text(),
            "[Parms]\r\nchkscale=0\r\nTxtWheel9= 30\r\nType=2\r\n\r\n[Other]\r\nA=b\r\n"
            "[New]\r\nK=v\r\n");
}

TEST(Profile, AnEmptyFileGetsTheSectionAndItsKeysInOrder) {
  Profile p;
  p.Set("Parms", "ChkScale", "1");
  p.Set("Parms", "ChkMulti", "0");
  EXPECT_EQ(p.Text(), "[Parms]\r\nChkScale=1\r\nChkMulti=0\r\n");
}

TEST(Profile, HostileBytesNeitherCrashNorLeakIntoOtherKeys) {
  std::string nul("[Parms]\nFixed=1\0x\nTxtX=2\n", 24);
  const Profile p(nul);
  EXPECT_EQ(p.Get("Parms", "Fixed", "", 21), std::string("1\0x", 3));
  EXPECT_EQ(p.Get("Parms", "TxtX", "", 21), "2");
  std::string huge = "[Parms]\nTxtX=" + std::string(10 * 1024 * 1024, '7') + "\nTxtY=5\n";
  const Profile big(huge);
  EXPECT_EQ(big.Get("Parms", "TxtX", "", 21), std::string(21, '7'));
  EXPECT_EQ(big.Get("Parms", "TxtY", "", 21), "5");
  const Profile broken("[Parms\n=\n[]\n==x\n\r\r\n[Parms]\nFixed=3");
  EXPECT_EQ(broken.Get("Parms", "Fixed", "d", 21), "d");  // "[Parms" opens the section first
  EXPECT_EQ(broken.Get("Parms", "", "d", 21), "");
}

}  // namespace
