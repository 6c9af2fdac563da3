// Files where a script cannot reach: FIFOs, links, rights, size limits, long
// names, the dialogs' flags and hostile values in parameter files.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "base/profile.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "files/parms_check.h"
#include "files/printing.h"
#include "tests/window_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
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
       "it is an SVG picture; pictures load from BMP, PNG, JPEG and GIF files"},
      {"load parms from a bitmap", files::CmdLoadParms_Click, K::Open,
       [&] { return QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(folder / "p.bmp")), folder / "p.bmp"; },
       "the picture carries no settings"},
      {"load a picture wider than the widest canvas", files::CmdOpen_Click, K::Open,
       [&] {
         QImage(16385, 1, QImage::Format_RGB32).save(QString::fromStdString(folder / "w.png"));
         return folder / "w.png";
       },
       "it is too large (16385x1 pixels; at most 16384 a side)"},
      {"load a picture as wide as the widest canvas", files::CmdOpen_Click, K::Open,
       [&] {
         QImage(16384, 1, QImage::Format_RGB32).save(QString::fromStdString(folder / "v.bmp"));
         return folder / "v.bmp";
       },
       ""},
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
      {"save parms into a folder not writable", files::CmdSaveParms_Click, K::Save,
       [&] {
         fs::create_directory(folder / "ro");
         std::ofstream(folder / "ro/p.tra") << "[Parms]\nFixed= 99\n";
         ::chmod((folder / "ro").c_str(), 0555);
         return folder / "ro/p.tra";
       },
       "Permission denied", true},
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
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "ro"), fs::directory_iterator()), 1);
  fs::permissions(folder / "ro", fs::perms::owner_all);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 13);
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

TEST_F(FilesTest, APrintJobThatFailsIsToldAndPrintsNothing) {
  using Fault = forms::ScriptedServices::PrinterFault;
  for (Fault f : {Fault::CannotStart, Fault::PageLost}) {
    services.SetPrinterFault(f);
    Answer(forms::DialogAnswer::Kind::Print, {});
    files::CmdPrint_Click(w);
  }
  EXPECT_TRUE(services.Printed().empty());
  EXPECT_EQ(services.Messages(), (std::vector<std::string>{
      "Cannot print: the printer could not start the document.",
      "Printing failed: the printer did not take the page."}));
}

// The save dialogs ask before overwriting; the open dialogs show no
// read-only box; Load Image lists what it loads; Save Image opens on the
// type saved last.
TEST_F(FilesTest, DialogsAskListAndOpenOnTheTypeSavedLast) {
  files::CmdSaveParms_Click(w);
  Answer(forms::DialogAnswer::Kind::Save, "/nonexistent/p.svg");
  for (auto command : {files::CmdSave_Click, files::CmdSave_Click, files::CmdLoadParms_Click,
                       files::CmdOpen_Click})
    command(w);
  EXPECT_EQ(services.Dialogs(), (std::vector<std::string>{
                                    "6 Trochela! Files (*.tra)", "6 Bitmap Files (*.bmp) 1",
                                    "6 Bitmap Files (*.bmp) 3", "4 Trochela! Files (*.tra)",
                                    "4 Pictures (*.bmp *.png *.jpg *.jpeg *.gif)"}));
}

// Save Image: an ending .bmp, .png, .svg, .webp or .gif decides the kind;
// otherwise the dialog's type does, all but a bitmap adding their ending.
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
      {"f.jpg", 2, "f.jpg.png", "\x89PNG"}, {"p1", 0, "p1.tra", "[Parms]"},
      {"p.2", 0, "p.2", "[Parms]"},  // Save Parms (type 0) adds .tra to a name without an ending
      {"g", 8, "g.webp", "RIFF"},      {"h.GIF", 1, "h.GIF", "GIF89a"},
  };
  for (const auto& c : cases) {
    forms::DialogAnswer a;
    a.kind = forms::DialogAnswer::Kind::Save;
    a.path = (folder / c.typed).string();
    a.fileType = c.type;
    services.Answer(a);
    (c.type ? files::CmdSave_Click : files::CmdSaveParms_Click)(w);
    EXPECT_EQ(Contents(folder / c.written).rfind(c.starts, 0), 0u) << c.typed << " " << c.type;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 11);
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
  EXPECT_EQ(v[model::FieldId::Rotations], "1E+308");
  // Values are read up to 21 characters.
  ASSERT_TRUE(files::ReadParms(
      base::Profile("[Parms]\nTxtLoop=000000000000000000002\nTxtTurn=0000000000000000000003"), v,
      reason));
  EXPECT_EQ(v[model::FieldId::Loops], "000000000000000000002");
  EXPECT_EQ(v[model::FieldId::Turn], "000000000000000000000");
  // A save meets a field without a number only when code put it there.
  v[model::FieldId::Loops] = "abc";
  std::vector<std::pair<std::string, std::string>> keys;
  EXPECT_FALSE(files::ParmsFileTexts(v, keys, reason));
  EXPECT_EQ(reason, "Loops does not hold a number: \"abc\"");
  // Duplicates: the first counts; a file without the section is no parameter
  // file; an empty section gives every default.
  ASSERT_TRUE(files::ReadParms(base::Profile("[Parms]\nType=3\nType=x\n"), v, reason));
  EXPECT_EQ(v.type, 3);
  for (const char* text : {"[Parms] ChkMulti=0 TxtLoop= 7 TxtX= 2", "[Parms]\xE2\x80\xA8TxtX= 2",
                           "[Parms]\r\n; TxtX\r\n  TxtX 2 \t\r\n"})
    EXPECT_FALSE(files::ReadParms(base::Profile(text), v, reason)) << text;
  EXPECT_EQ(reason, "its [Parms] section has no \"key=value\" line, only \"TxtX 2\"");
  EXPECT_FALSE(files::ReadParms(base::Profile("\x01\xff binary"), v, reason));
  EXPECT_EQ(reason, "it has no [Parms] section");
  ASSERT_TRUE(files::ReadParms(base::Profile("\xEF\xBB\xBF[Parms]\r\n"), v, reason));
  EXPECT_EQ(v.wheelCount, 8);
  EXPECT_EQ(v.size[3], 111);
}

}  // namespace
