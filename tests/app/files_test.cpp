// Files and printing where a script cannot reach: a folder the user may not
// write to, a clipboard prepared by another program, pictures of other sizes,
// and the placement rules on the page.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "base/profile.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "files/parms_check.h"
#include "files/printing.h"
#include "forms/scripted_services.h"
#include "tests/window_fixture.h"
#include "window/trochela_main.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class FilesTest : public WindowTest {
 protected:
  FilesTest() : WindowTest(320, 200), start(fs::current_path()) {
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
    services.Answer(a);
  }
  fs::path start;
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
  ASSERT_EQ(services.Messages().size(), 2u);
  EXPECT_EQ(services.Messages()[0],
            "Cannot save the settings to \"" + parms.string() + "\": Permission denied.");
  EXPECT_EQ(services.Messages()[1],
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
  EXPECT_TRUE(services.Messages().empty());
  EXPECT_EQ(fs::status(parms).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FilesTest, PrintingKeepsWhatTheClipboardHolds) {
  services.SetClipboardPicture(base::Image(5, 3, 0x123456));
  forms::DialogAnswer a;
  a.kind = forms::DialogAnswer::Kind::Print;
  services.Answer(a);
  files::CmdPrint_Click(w);
  ASSERT_EQ(services.Printed().size(), 1u);
  EXPECT_EQ(services.Printed()[0].pixelWidth, 320);
  const auto clip = services.ClipboardPicture();
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->width, 5);
  EXPECT_EQ(clip->Get(4, 2), 0x123456);
}

TEST_F(FilesTest, APrintJobThatFailsIsToldAndPrintsNothing) {
  forms::DialogAnswer a;
  a.kind = forms::DialogAnswer::Kind::Print;
  services.SetPrinterFault(forms::ScriptedServices::PrinterFault::CannotStart);
  services.Answer(a);
  files::CmdPrint_Click(w);
  services.SetPrinterFault(forms::ScriptedServices::PrinterFault::PageLost);
  services.Answer(a);
  files::CmdPrint_Click(w);
  EXPECT_TRUE(services.Printed().empty());
  ASSERT_EQ(services.Messages().size(), 2u);
  EXPECT_EQ(services.Messages()[0], "Cannot print: the printer could not start the document.");
  EXPECT_EQ(services.Messages()[1], "Printing failed: the printer did not take the page.");
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
  ASSERT_EQ(services.Messages().size(), 1u);
  EXPECT_EQ(services.Messages()[0],
            "Cannot load the settings from \"" + parms.string() + "\": Permission denied.");
}

// Files that would freeze a command, or lose or garble what they hold: the
// command does its whole job, or keeps the old file and tells why.
TEST_F(FilesTest, HostileFilesAreToldAndLoseNothing) {
  using K = forms::DialogAnswer::Kind;
  const auto fifo = [&](const char* name) {
    ::mkfifo((folder / name).c_str(), 0666);
    return folder / name;
  };
  const auto old = [&](const char* name, int mode = 0666) {
    std::ofstream(folder / name) << "old";
    ::chmod((folder / name).c_str(), mode);
    return folder / name;
  };
  struct Case {
    const char* what;
    void (*command)(window::TrochelaMain&);
    K kind;
    std::function<fs::path()> prepare;
    std::string told;  // the reason, or empty when the command succeeds
    bool asUser = false, sizeLimit = false;
  };
  const Case cases[] = {
      {"load parms from a FIFO", files::CmdLoadParms_Click, K::Open, [&] { return fifo("a.tra"); },
       "it is not a file"},
      {"save parms over a FIFO", files::CmdSaveParms_Click, K::Save, [&] { return fifo("b.tra"); },
       "it is not a file"},
      {"load a picture from a FIFO", files::CmdOpen_Click, K::Open, [&] { return fifo("a.bmp"); },
       "it is not a file"},
      {"load an SVG picture", files::CmdOpen_Click, K::Open,
       [&] {
         std::ofstream(folder / "a.svg") << "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
         return folder / "a.svg";
       },
       "it is a SVG picture; pictures load from BMP, PNG, JPEG and GIF files"},
      {"load a picture wider than the widest canvas", files::CmdOpen_Click, K::Open,
       [&] {
         QImage(16385, 1, QImage::Format_RGB32).save(QString::fromStdString(folder / "w.png"));
         return folder / "w.png";
       },
       "it is too large (16385x1 pixels; at most 16384 a side)"},
      {"save a picture with a 249-byte name", files::CmdSave_Click, K::Save,
       [&] { return folder / (std::string(245, 'n') + ".bmp"); }, ""},
      {"save a picture through a link", files::CmdSave_Click, K::Save,
       [&] {
         fs::create_symlink("t.bmp", folder / "link.bmp");
         old("t.bmp");
         return folder / "link.bmp";
       },
       ""},
      {"save a picture over a read-only file", files::CmdSave_Click, K::Save,
       [&] { return old("r.bmp", 0444); }, "Permission denied", true},
      {"save a picture past the file size limit", files::CmdSave_Click, K::Save,
       [&] { return old("f.bmp"); }, "File too large", false, true},
  };
  fs::permissions(folder, fs::perms::all);
  std::signal(SIGXFSZ, SIG_IGN);
  for (const Case& c : cases) {
    const fs::path path = c.prepare();
    const auto contents = [&] { return fs::is_fifo(path) ? "" : Contents(path); };
    const std::string before = contents();
    const size_t told = services.Messages().size();
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{100000, unlimited.rlim_max};
    Answer(c.kind, path);
    if (c.sizeLimit) ::setrlimit(RLIMIT_FSIZE, &limited);
    bool ran = true;
    if (c.asUser)
      ran = AsOrdinaryUser([&] { c.command(w); });
    else
      c.command(w);
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    if (!ran) continue;
    const std::string now = contents();
    if (c.told.empty()) {
      EXPECT_EQ(services.Messages().size(), told) << c.what;
      EXPECT_EQ(now.substr(0, 2), "BM") << c.what;
    } else {
      ASSERT_EQ(services.Messages().size(), told + 1) << c.what;
      const std::string want = path.string() + "\": " + c.told + ".";
      EXPECT_TRUE(services.Messages().back().ends_with(want)) << services.Messages().back();
      EXPECT_EQ(now, before) << c.what;
    }
  }
  EXPECT_TRUE(fs::is_symlink(folder / "link.bmp"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 10);
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
  ASSERT_EQ(services.Messages().size(), 1u);
  EXPECT_EQ(services.Messages()[0], "Cannot load the settings from \"" + parms.string() +
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
  } recording(320, 200, 32);
  const auto started = app::StartWindow(recording, 1);
  window::TrochelaMain& w = *started;
  files::CmdSaveParms_Click(w);
  files::CmdSave_Click(w);
  files::CmdLoadParms_Click(w);
  files::CmdOpen_Click(w);
  EXPECT_EQ(recording.flags, (std::vector<int>{6, 6, 4, 4}));
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

// Save Image: an ending .bmp, .png or .svg decides the kind; otherwise the
// dialog's type does, PNG and SVG adding their ending.
TEST_F(FilesTest, SaveImageTakesTheKindFromTheEndingElseFromTheType) {
  const struct {
    const char* typed;
    int type;
    const char* written;
    const char* starts;
  } cases[] = {
      {"a3", 1, "a3", "BM"},           {"a3", 2, "a3.png", "\x89PNG"},
      {"b", 3, "b.svg", "<?xml"},      {"c.BMP", 2, "c.BMP", "BM"},
      {"d.png", 3, "d.png", "\x89PNG"}, {"e.Svg", 1, "e.Svg", "<?xml"},
      {"f.jpg", 2, "f.jpg.png", "\x89PNG"},
  };
  for (const auto& c : cases) {
    forms::DialogAnswer a;
    a.kind = forms::DialogAnswer::Kind::Save;
    a.path = (folder / c.typed).string();
    a.fileType = c.type;
    services.Answer(a);
    files::CmdSave_Click(w);
    EXPECT_EQ(Contents(folder / c.written).rfind(c.starts, 0), 0u) << c.typed << " " << c.type;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 7);
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
  // Field texts hold numbers a user could have typed: not these.
  for (const char* line :
       {"TxtLoop=nan", "TxtResolution=inf", "TxtX=0x10", "TxtY=1,5", "HoleInc=", "TxtTurn=1e309",
        "TxtRotations=x", "TxtRotStart=1 2", "TxtRotInc=--1", "TxtPctDec=.", "TxtPctScale=abc"}) {
    EXPECT_FALSE(files::ReadParms(base::Profile(std::string("[Parms]\n") + line), v, reason));
    EXPECT_EQ(reason.substr(0, reason.find(' ')),
              std::string(line).substr(0, std::string(line).find('=')));
  }
  ASSERT_TRUE(
      files::ReadParms(base::Profile("[Parms]\nTxtRotations= 1E+308\nTxtX=-2.5e-3"), v, reason));
  EXPECT_EQ(v.rotations, "1E+308");
  // A save meets a field without a number only when code put it there.
  v.loop = "abc";
  std::vector<std::pair<std::string, std::string>> keys;
  EXPECT_FALSE(files::ParmsFileTexts(v, keys, reason));
  EXPECT_EQ(reason, "Loops does not hold a number: \"abc\"");
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
