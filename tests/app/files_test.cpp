// Files and printing where a script cannot reach: a folder the user may not
// write to, a clipboard prepared by another program, pictures of other sizes,
// and the placement rules on the page.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/startup.h"
#include "base/profile.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "files/parms_check.h"
#include "files/printing.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class FilesTest : public ::testing::Test {
 protected:
  FilesTest() : start(fs::current_path()), machine(320, 200, 32), w(machine) {
    app::WireHandlers(w);
    app::Form_Load(w, true, 1);
    folder = fs::temp_directory_path() / ("trochela-files-" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  ~FilesTest() override {
    // An accepted file dialog moved the current folder into the test's folder.
    fs::current_path(start);
    fs::permissions(folder, fs::perms::owner_all);
    fs::remove_all(folder);
  }
  void Answer(forms::DialogAnswer::Kind kind, const fs::path& path) {
    forms::DialogAnswer a;
    a.kind = kind;
    a.path = path.string();
    machine.Answer(a);
  }
  fs::path start;
  forms::ScriptedServices machine;
  window::TrochelaMain w;
  fs::path folder;
};

// Runs `f` as a user without the superuser's right to write anywhere; false
// (and `f` not run) when the rights cannot be dropped.
template <class F>
bool AsOrdinaryUser(F f) {
  const bool root = ::geteuid() == 0;
  if (root && ::seteuid(65534) != 0) return false;
  f();
  if (root && ::seteuid(0) != 0) std::abort();
  return true;
}

TEST_F(FilesTest, ASaveIntoAFolderThatIsNotWritableKeepsTheOldFileAndSaysSo) {
  const fs::path parms = folder / "old.tra", picture = folder / "old.bmp";
  std::ofstream(parms) << "[Parms]\nFixed= 99\n";
  std::ofstream(picture) << "old picture";
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const bool ran = AsOrdinaryUser([&] {
    Answer(forms::DialogAnswer::Kind::Save, parms);
    files::CmdSaveParms_Click(w);
    Answer(forms::DialogAnswer::Kind::Save, picture);
    files::CmdSave_Click(w);
  });
  if (!ran) GTEST_SKIP() << "cannot drop the superuser's rights";
  EXPECT_EQ(Contents(parms), "[Parms]\nFixed= 99\n");
  EXPECT_EQ(Contents(picture), "old picture");
  ASSERT_EQ(machine.Messages().size(), 2u);
  EXPECT_EQ(machine.Messages()[0],
            "Cannot save the settings to \"" + parms.string() + "\": Permission denied.");
  EXPECT_EQ(machine.Messages()[1],
            "Cannot save the picture to \"" + picture.string() + "\": Permission denied.");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST_F(FilesTest, ASaveLeavesNoTemporaryFileAndKeepsForeignKeys) {
  const fs::path parms = folder / "keep.tra";
  std::ofstream(parms) << "; made by hand\n[Other]\nA=1\n[Parms]\nComment=mine\n";
  fs::permissions(parms, fs::perms::owner_read | fs::perms::owner_write);
  Answer(forms::DialogAnswer::Kind::Save, parms);
  files::CmdSaveParms_Click(w);
  const std::string text = Contents(parms);
  EXPECT_EQ(text.rfind(
                "; made by hand\r\n[Other]\r\nA=1\r\n[Parms]\r\nComment=mine\r\nChkScale=1\r\n", 0),
            0u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  EXPECT_TRUE(machine.Messages().empty());
  EXPECT_EQ(fs::status(parms).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FilesTest, PrintingKeepsWhatTheClipboardHolds) {
  machine.SetClipboardPicture(base::Image(5, 3, 0x123456));
  forms::DialogAnswer a;
  a.kind = forms::DialogAnswer::Kind::Print;
  machine.Answer(a);
  files::CmdPrint_Click(w);
  ASSERT_EQ(machine.Printed().size(), 1u);
  EXPECT_EQ(machine.Printed()[0].pixelWidth, 320);
  const auto clip = machine.ClipboardPicture();
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->width, 5);
  EXPECT_EQ(clip->Get(4, 2), 0x123456);
}

TEST_F(FilesTest, APrintJobThatFailsIsToldAndPrintsNothing) {
  forms::DialogAnswer a;
  a.kind = forms::DialogAnswer::Kind::Print;
  machine.SetPrinterFault(forms::ScriptedServices::PrinterFault::CannotStart);
  machine.Answer(a);
  files::CmdPrint_Click(w);
  machine.SetPrinterFault(forms::ScriptedServices::PrinterFault::PageLost);
  machine.Answer(a);
  files::CmdPrint_Click(w);
  EXPECT_TRUE(machine.Printed().empty());
  ASSERT_EQ(machine.Messages().size(), 2u);
  EXPECT_EQ(machine.Messages()[0], "Cannot print: the printer could not start the document.");
  EXPECT_EQ(machine.Messages()[1], "Printing failed: the printer did not take the page.");
}

TEST_F(FilesTest, PrinterIniValuesAreLeadingNumbersOfAtMost40Characters) {
  EXPECT_EQ(files::ReadPrinterIni(folder.string()).printedWidth, 0);  // no file
  std::ofstream(folder / "printer.ini")
      << "[parms]\nPaper_Height=11in\nPaper_Width=  8.5  \nPrinted_Width=" << std::string(39, '0')
      << "8\nPrinted_Height=" << std::string(40, '0') << "9\nHeight_Offset=x\n";
  const forms::PageInches page = files::ReadPrinterIni(folder.string());
  EXPECT_EQ(page.paperHeight, 11);
  EXPECT_EQ(page.paperWidth, 8.5);
  EXPECT_EQ(page.printedWidth, 8);
  EXPECT_EQ(page.printedHeight, 0);  // the 9 lies beyond the 40th character
  EXPECT_EQ(page.heightOffset, 0);
  EXPECT_EQ(page.widthOffset, 0);
}

TEST_F(FilesTest, AnUnreadableParameterFileChangesNothing) {
  const fs::path parms = folder / "locked.tra";
  std::ofstream(parms) << "[Parms]\nChkMulti=1\nTxtLoop=9\n";
  fs::permissions(parms, fs::perms::none);
  const std::string loop = w.TxtLoop.Text();
  const bool ran = AsOrdinaryUser([&] {
    Answer(forms::DialogAnswer::Kind::Open, parms);
    files::CmdLoadParms_Click(w);
  });
  if (!ran) GTEST_SKIP() << "cannot drop the superuser's rights";
  EXPECT_EQ(w.ChkMulti.Value(), 0);
  EXPECT_EQ(w.TxtLoop.Text(), loop);
  ASSERT_EQ(machine.Messages().size(), 1u);
  EXPECT_EQ(machine.Messages()[0],
            "Cannot load the settings from \"" + parms.string() + "\": Permission denied.");
}

TEST_F(FilesTest, AParameterFileOverTheSizeLimitIsRefused) {
  const std::string head = "[Parms]\r\nTxtLoop=9\r\n;";
  const fs::path parms = folder / "big.tra";
  for (size_t size : {files::kMaxProfileBytes, files::kMaxProfileBytes + 1}) {
    std::ofstream(parms, std::ios::binary) << head << std::string(size - head.size(), ';');
    Answer(forms::DialogAnswer::Kind::Open, parms);
    files::CmdLoadParms_Click(w);
    EXPECT_EQ(w.TxtLoop.Text(), size == files::kMaxProfileBytes ? "9" : "1");
    w.TxtLoop.SetText("1");
  }
  ASSERT_EQ(machine.Messages().size(), 1u);
  EXPECT_EQ(machine.Messages()[0], "Cannot load the settings from \"" + parms.string() +
                                       "\": it is too large (1048577 bytes).");
}

// The save dialogs ask before overwriting; the open dialogs show no
// read-only box.
TEST(FileDialogs, SavesAskBeforeOverwriting) {
  struct Recording : forms::ScriptedServices {
    using ScriptedServices::ScriptedServices;
    std::optional<std::string> ShowOpen(const forms::FileDialogRequest& r) override {
      flags.push_back(r.flags);
      return std::nullopt;
    }
    std::optional<std::string> ShowSave(const forms::FileDialogRequest& r) override {
      return ShowOpen(r);
    }
    std::vector<int> flags;
  } machine(320, 200, 32);
  window::TrochelaMain w(machine);
  app::WireHandlers(w);
  files::CmdSaveParms_Click(w);
  files::CmdSave_Click(w);
  files::CmdLoadParms_Click(w);
  files::CmdOpen_Click(w);
  EXPECT_EQ(machine.flags, (std::vector<int>{6, 6, 4, 4}));
}

TEST(PlacePicture, FitsWithoutEnlargingAndCentresLessTheOffsets) {
  const forms::PageInches letter{11, 8.5, 10.5, 8, 0.25, 0.25};
  const auto portrait = files::PlacePicture(11, 8.8, letter, 1);
  EXPECT_DOUBLE_EQ(portrait.width, 8);
  EXPECT_DOUBLE_EQ(portrait.height, 6.4);
  EXPECT_DOUBLE_EQ(portrait.left, 0);
  EXPECT_NEAR(portrait.top, 2.05, 1e-12);
  const auto landscape = files::PlacePicture(11, 8.8, letter, 2);
  EXPECT_DOUBLE_EQ(landscape.width, 10);
  EXPECT_DOUBLE_EQ(landscape.height, 8);
  EXPECT_DOUBLE_EQ(landscape.left, 0.25);
  EXPECT_DOUBLE_EQ(landscape.top, 0);
  const auto small = files::PlacePicture(3, 2, letter, 1);
  EXPECT_DOUBLE_EQ(small.width, 3);
  EXPECT_DOUBLE_EQ(small.height, 2);
  EXPECT_DOUBLE_EQ(small.left, 2.5);
  EXPECT_DOUBLE_EQ(small.top, 4.25);
  // Another orientation is neither fitted nor turned back: the landscape
  // placement of the whole picture.
  const auto other = files::PlacePicture(11, 8.8, letter, 3);
  EXPECT_DOUBLE_EQ(other.width, 11);
  EXPECT_DOUBLE_EQ(other.left, -0.25);
  EXPECT_NEAR(other.top, -0.4, 1e-12);
}

TEST_F(FilesTest, ALoadedPictureSitsTopLeftAtItsOwnSize) {
  const fs::path small = folder / "small.bmp", large = folder / "large.bmp";
  ASSERT_TRUE(forms::SavePictureFile(base::Image(10, 4, 0x0000FF), small.string()));
  ASSERT_TRUE(forms::SavePictureFile(base::Image(400, 300, 0x00FF00), large.string()));
  Answer(forms::DialogAnswer::Kind::Open, small);
  files::CmdOpen_Click(w);
  const base::Image& canvas = w.Canvas.Raster();
  EXPECT_EQ(canvas.width, 320);
  EXPECT_EQ(canvas.Get(9, 3), 0x0000FF);
  EXPECT_EQ(canvas.Get(10, 3), 0xFFFFFF);
  EXPECT_EQ(canvas.Get(9, 4), 0xFFFFFF);
  Answer(forms::DialogAnswer::Kind::Open, large);
  files::CmdOpen_Click(w);
  EXPECT_EQ(w.Canvas.Raster().width, 320);
  EXPECT_EQ(w.Canvas.Raster().Get(319, 199), 0x00FF00);
}

TEST(ReadParms, HostileValuesAreRefusedWithTheirKey) {
  files::ParmsValues v;
  std::string reason;
  EXPECT_FALSE(
      files::ReadParms(base::Profile(std::string("[Parms]\nFixed=1\0002\n", 17)), v, reason));
  EXPECT_EQ(reason.rfind("Fixed is not a number", 0), 0u);
  EXPECT_FALSE(files::ReadParms(base::Profile("[Parms]\nTxtRatio1=40000\n"), v, reason));
  EXPECT_EQ(reason, "TxtRatio1 is outside -32767 to 32767: \"40000\"");
  EXPECT_FALSE(files::ReadParms(base::Profile("[Parms]\nNumberOfWheels=8.5\n"), v, reason));
  EXPECT_FALSE(files::ReadParms(base::Profile("[Parms]\nChkScale=True\n"), v, reason));
  // The ranges of the controls a load sets.
  for (const char* line : {"NumberOfWheels=25", "NumberOfWheels=2", "Fixed=450.6", "TxtPctScale= 0",
                           "ChkMulti=3", "Type="}) {
    EXPECT_FALSE(files::ReadParms(base::Profile(std::string("[Parms]\n") + line), v, reason))
        << line;
  }
  // Duplicates: the first counts; a file without the section is no parameter
  // file; an empty section gives every default.
  ASSERT_TRUE(files::ReadParms(base::Profile("[Parms]\nType=3\nType=x\n"), v, reason));
  EXPECT_EQ(v.type, 3);
  EXPECT_FALSE(files::ReadParms(base::Profile("\x01\xff binary"), v, reason));
  EXPECT_EQ(reason, "it has no [Parms] section");
  ASSERT_TRUE(files::ReadParms(base::Profile("\xEF\xBB\xBF[Parms]\r\n"), v, reason));
  EXPECT_EQ(v.wheelCount, 8);
  EXPECT_EQ(v.size[3], 111);
}

}  // namespace
