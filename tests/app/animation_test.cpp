// The drawing as an animation: every frame there, growing in drawing order to
// the finished picture, the same bytes again, and Save Image in the window.
#include <webp/demux.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <filesystem>

#include "app/render.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "canvas/canvas_input.h"
#include "engine/draw_driver.h"
#include "files/image_files.h"
#include "files/parms_check.h"
#include "tests/window_fixture.h"

namespace {

std::string Bytes(const std::string& path) {
  std::string bytes, reason;
  base::ReadWholeFile(path, size_t{1} << 30, bytes, reason);
  return bytes;
}

// The frames as a viewer shows them, each with its time: WebP through
// libwebp's own decoder, GIF through Qt's.
struct Movie {
  std::vector<QImage> frames;
  std::vector<int> ms;
  bool endless = false;
};

Movie Read(const std::string& path) {
  Movie m;
  if (path.ends_with(".gif")) {
    QImageReader r(QString::fromStdString(path));
    m.endless = r.loopCount() == -1;
    for (QImage f; r.read(&f); m.ms.push_back(r.nextImageDelay()))
      m.frames.push_back(f.convertToFormat(QImage::Format_RGB32));
    return m;
  }
  const std::string bytes = Bytes(path);
  const WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_BGRA;  // 0xAARRGGBB words
  WebPAnimDecoder* dec = WebPAnimDecoderNew(&data, &options);
  WebPAnimInfo info;
  if (!dec || !WebPAnimDecoderGetInfo(dec, &info)) return m;
  m.endless = info.loop_count == 0;
  uint8_t* px;
  for (int end = 0, last = 0; WebPAnimDecoderGetNext(dec, &px, &end); last = end) {
    m.frames.push_back(
        QImage(px, info.canvas_width, info.canvas_height, QImage::Format_RGB32).copy());
    m.ms.push_back(end - last);  // the decoder gives each frame's end
  }
  WebPAnimDecoderDelete(dec);
  return m;
}

QImage Shown(const base::Image& img) {
  return QImage(reinterpret_cast<const uchar*>(img.pixels.data()), img.width, img.height,
                img.stride * 4, QImage::Format_RGB32)
      .copy();
}

// The sum over the pixels of f(a's pixel, b's pixel).
template <class F>
long Sum(const QImage& a, const QImage& b, F f) {
  long sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) sum += f(a.pixel(x, y), b.pixel(x, y));
  return sum;
}
long Ink(const QImage& a) {
  return Sum(a, a, [](QRgb p, QRgb) { return 255 - qGreen(p); });
}
long Differing(const QImage& a, const QImage& b) {
  return Sum(a, b, [](QRgb p, QRgb q) { return p != q; });
}

// N frames exactly (also when fewer lines change the picture than there are
// frames: the 4x3 pictures), looping, the last held and equal to the PNG
// picture, smooth ones too; the same bytes from the same command.
TEST(Animation, RenderedFramesGrowToThePngPictureInTheSameBytesAgain) {
  const QTemporaryDir dir;
  const auto render = [&](const char* parms, const std::string& name, int width, int height,
                          int frames, bool smooth) {
    std::string text, reason;
    files::ParmsValues values;
    const std::string out = QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
    EXPECT_TRUE(
        base::ReadWholeFile(TESTS_DIR "/parms/" + std::string(parms), 1 << 20, text, reason) &&
        files::ReadParms(base::Profile(text), values, reason) &&
        app::RenderSettings(text, values, width, height, smooth, out, false, reason,
                            base::AtLink::Follow, {frames, base::Animation::kFps}))
        << reason;
    return out;
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
    const QImage png(
        QString::fromStdString(render(c.parms, "p.png", c.width, c.height, 1, c.smooth)));
    const std::string out = render(c.parms, c.out, c.width, c.height, c.frames, c.smooth);
    EXPECT_TRUE(Bytes(out) == Bytes(render(c.parms, std::string("again") + c.out, c.width, c.height,
                                           c.frames, c.smooth)))
        << c.out;
    const Movie m = Read(out);
    ASSERT_EQ(m.frames.size(), static_cast<size_t>(c.frames)) << c.out;
    EXPECT_TRUE(m.endless && m.ms.front() == 50 && m.ms.back() == base::Animation::kHoldMs)
        << c.out;
    EXPECT_EQ(Differing(m.frames.back(), png.convertToFormat(QImage::Format_RGB32)), 0) << c.out;
    EXPECT_TRUE(std::string(c.out) != "s.gif" || Bytes(out).size() < 1000u);  // changed parts
    if (std::string(c.out) != "s.webp") continue;
    // The start picture draws its curve once in its first 1/37 and then over
    // it again: the ink grows from frame to frame, not in the first few only,
    // and a pixel inked stays as it is.
    int grows = 0;
    for (size_t k = 1; k < m.frames.size(); ++k) {
      EXPECT_EQ(Sum(m.frames[k - 1], m.frames[k],
                    [](QRgb p, QRgb q) { return p != q && qGreen(p) != 255; }),
                0)
          << k;
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
// the filled picture, the last frame the canvas. Lines that miss the picture
// end on the picture itself; a log that lost lines, and a picture of more
// colours than a GIF holds, are refused with the reason.
TEST_F(SaveAnimation, DrawsTheLinesSinceTheFillAgainOverTheFilledPicture) {
  const QTemporaryDir dir;
  const std::filesystem::path start = std::filesystem::current_path();  // the dialog moves it
  w.TxtRotations.SetText("20");
  engine::CmdDraw_Click(w);
  w.MouseX = -160;
  w.MouseY = -120;
  canvas::Canvas_MouseDown(w, 4, 0);
  const QImage filled = Shown(w.Canvas.Raster());
  w.picture.Gradient = 1;
  w.TxtTurn.SetText("45");
  w.Canvas.SetForeColor(0x00FF00);
  for (const char* loops : {"1", "5"}) {
    w.TxtLoop.SetText(loops);
    engine::CmdDraw_Click(w);
    forms::DialogAnswer answer;
    answer.kind = forms::DialogAnswer::Kind::Save;
    answer.path = QDir(dir.path()).filePath(loops[0] == '1' ? "g.webp" : "g.gif").toStdString();
    services.Answer(answer);
    files::CmdSave_Click(w);
    const Movie m = Read(answer.path);
    ASSERT_EQ(m.frames.size(), 60u) << answer.path;
    EXPECT_EQ(Differing(m.frames.back(), Shown(w.Canvas.Raster())), 0) << answer.path;
    EXPECT_EQ(m.frames[0].pixel(0, 0), filled.pixel(0, 0)) << answer.path;
    EXPECT_LT(Differing(m.frames[0], filled), Differing(m.frames[30], filled)) << answer.path;
  }
  std::filesystem::current_path(start);
  base::Image colours(320, 240, 0);
  base::LineLog lines(1);
  lines.Add(1, 1, 300, 200, 0xFF, 1);
  std::string bytes, reason;
  const std::string path = QDir(dir.path()).filePath("missed.webp").toStdString();
  ASSERT_TRUE(base::SavePicture({colours, lines, true}, path, false, {}, reason, {}, {3, 20}));
  EXPECT_EQ(Differing(Read(path).frames.back(), Shown(colours)), 0);
  lines.Add(1, 1, 2, 2, 0xFF, 1);
  EXPECT_FALSE(base::EncodePicture({colours, lines, true}, base::PictureKind::Webp, false, {},
                                   bytes, reason));
  EXPECT_EQ(reason, "the drawing has more lines than the canvas keeps to draw it again");
  for (int i = 0; i < 300; ++i) colours.Row(0)[i] = base::ToPixel(i);
  const base::LineLog none;
  EXPECT_FALSE(base::EncodePicture({colours, none, false}, base::PictureKind::Gif, false, {}, bytes,
                                   reason));
  EXPECT_EQ(reason, "a GIF holds 256 colours and the picture has more (WebP holds them all)");
}

}  // namespace
