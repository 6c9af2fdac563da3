// The drawing as an animation: every frame there, growing in drawing order to
// the finished picture, the same bytes again, and Save Image in the window.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>

#include "app/render.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "canvas/canvas_input.h"
#include "engine/draw_driver.h"
#include "files/image_files.h"
#include "files/parms_check.h"
#include "tests/animation_reader.h"
#include "tests/window_fixture.h"

namespace {

std::string Bytes(const std::string& path) {
  std::string bytes, reason;
  base::ReadWholeFile(path, size_t{1} << 30, bytes, reason);
  return bytes;
}

std::vector<uint32_t> Rgb(const base::Image& img) {
  std::vector<uint32_t> px;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) px.push_back(img.Row(y)[x] & 0xFFFFFF);
  return px;
}

// Draws the parameter file into `out` as --render does.
void Render(const std::string& parms, const std::string& out, int width, int height, int frames,
            bool antialias) {
  std::string text, reason;
  files::ParmsValues values;
  ASSERT_TRUE(base::ReadWholeFile(TESTS_DIR "/parms/" + parms, 1 << 20, text, reason));
  ASSERT_TRUE(files::ReadParms(base::Profile(text), values, reason)) << reason;
  ASSERT_TRUE(app::RenderSettings(text, values, width, height, antialias, out, false, reason,
                                  base::AtLink::Follow, {frames, base::Animation::kFps}))
      << reason;
}

// Pixels that differ between two frames.
long Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  long n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

long Ink(const std::vector<uint32_t>& frame) {
  long ink = 0;
  for (const uint32_t px : frame) ink += 255 - ((px >> 8) & 0xFF);
  return ink;
}

// N frames exactly (also when fewer lines change the picture than there are
// frames: the 4x3 pictures), looping, the last held and equal to the PNG
// picture, smooth ones too; the same bytes from the same command.
TEST(Animation, RenderedFramesGrowToThePngPictureInTheSameBytesAgain) {
  const QTemporaryDir dir;
  const auto path = [&](const std::string& name) {
    return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
  };
  const struct {
    const char* parms;
    const char* out;
    int width, height, frames;
    bool smooth;
  } cases[] = {{"start.tra", "s.webp", 800, 600, 60, false},
               {"start.tra", "s.gif", 320, 240, 12, false},
               {"triangle_loops.tra", "t.webp", 320, 240, 12, false},
               {"triangle_loops.tra", "t.gif", 320, 240, 60, false},
               {"triangle_loops.tra", "smooth.webp", 320, 240, 12, true},
               {"start.tra", "tiny.webp", 4, 3, 60, false},
               {"start.tra", "tiny.gif", 4, 3, 60, false}};
  for (const auto& c : cases) {
    Render(c.parms, path("p.png"), c.width, c.height, 1, c.smooth);
    Render(c.parms, path(c.out), c.width, c.height, c.frames, c.smooth);
    Render(c.parms, path(std::string("again-") + c.out), c.width, c.height, c.frames, c.smooth);
    const std::string bytes = Bytes(path(c.out));
    EXPECT_TRUE(bytes == Bytes(path(std::string("again-") + c.out))) << c.out;
    const Movie m = ReadMovie(bytes);
    ASSERT_EQ(m.frames.size(), static_cast<size_t>(c.frames)) << c.out;
    EXPECT_EQ(m.loops, 0) << c.out;
    EXPECT_EQ(m.ms.front(), 50) << c.out;
    EXPECT_EQ(m.ms.back(), base::Animation::kHoldMs) << c.out;
    const QImage png =
        QImage(QString::fromStdString(path("p.png"))).convertToFormat(QImage::Format_RGB32);
    std::vector<uint32_t> expected;
    for (int y = 0; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) expected.push_back(png.pixel(x, y) & 0xFFFFFF);
    EXPECT_TRUE(m.frames.back() == expected) << c.out;
    if (std::string(c.out) != "s.webp") continue;
    // The start picture draws its curve once in its first 1/37 and then over
    // it again: the ink grows from frame to frame, not in the first few only.
    int grows = 0;
    for (size_t k = 1; k < m.frames.size(); ++k) {
      EXPECT_GE(Ink(m.frames[k]), Ink(m.frames[k - 1])) << k;
      grows += Ink(m.frames[k]) > Ink(m.frames[k - 1]);
    }
    EXPECT_GE(grows * 5, 59 * 4);
  }
}

class SaveAnimation : public WindowTest {
 protected:
  SaveAnimation() : WindowTest(320, 240) {}
};

// Save Image in the window: the gradient's lines drawn since the fill, over
// the filled picture, the last frame the canvas; a picture of more colours
// than a GIF holds is refused with the reason.
TEST_F(SaveAnimation, DrawsTheLinesSinceTheFillAgainOverTheFilledPicture) {
  const QTemporaryDir dir;
  const std::filesystem::path start = std::filesystem::current_path();  // the dialog moves it
  w.TxtRotations.SetText("20");
  engine::CmdDraw_Click(w);
  w.MouseX = -160;
  w.MouseY = -120;
  canvas::Canvas_MouseDown(w, 4, 0);
  const std::vector<uint32_t> filled = Rgb(w.Canvas.Raster());
  w.picture.Gradient = 1;
  w.TxtTurn.SetText("45");
  w.Canvas.SetForeColor(0x00FF00);
  for (const char* loops : {"1", "5"}) {
    w.TxtLoop.SetText(loops);
    engine::CmdDraw_Click(w);
    const std::string name =
        QDir(dir.path()).filePath(loops[0] == '1' ? "g.webp" : "g.gif").toStdString();
    forms::DialogAnswer answer;
    answer.kind = forms::DialogAnswer::Kind::Save;
    answer.path = name;
    services.Answer(answer);
    files::CmdSave_Click(w);
    const Movie m = ReadMovie(Bytes(name));
    ASSERT_EQ(m.frames.size(), 60u) << name;
    EXPECT_TRUE(m.frames.back() == Rgb(w.Canvas.Raster())) << name;
    EXPECT_EQ(m.frames[0][0], filled[0]) << name;
    EXPECT_LT(Changed(m.frames[0], filled), Changed(m.frames[30], filled)) << name;
  }
  base::Image colours(320, 240, 0);
  for (int i = 0; i < 300; ++i) colours.Row(0)[i] = base::ToPixel(i);
  const base::LineLog none;
  std::string bytes, reason;
  EXPECT_FALSE(base::EncodePicture({colours, none, false}, base::PictureKind::Gif, false, {}, bytes,
                                   reason));
  EXPECT_EQ(reason, "a GIF holds 256 colours and the picture has more (WebP holds them all)");
  std::filesystem::current_path(start);
}

}  // namespace
