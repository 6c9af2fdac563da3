// Pictures written as files: SVG over a fill, smooth pictures, the settings
// they carry, and gallery pictures drawn again from their files.
#include "forms/picture_export.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "app/gallery.h"
#include "files/pen_colour_section.h"
#include "app/render.h"
#include "app/startup.h"
#include "base/file_io.h"
#include "base/settings_in_pictures.h"
#include "base/raster.h"
#include "base/smooth_lines.h"
#include "canvas/canvas_input.h"
#include "engine/draw_driver.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "files/printing.h"
#include "tests/window_fixture.h"
#include "window/drawing_colour.h"

namespace {

class PictureExport : public WindowTest {
 protected:
  PictureExport() : WindowTest(320, 240) {}
  std::string Path(const char* name) { return QDir(dir.path()).filePath(name).toStdString(); }

  QTemporaryDir dir;
};

TEST_F(PictureExport, SvgAfterAFillHoldsTheFilledPictureUnderTheLaterLines) {
  w.TxtRotations.SetText("20");
  engine::CmdDraw_Click(w);
  // Fill the background around the picture's corner with the drawing colour,
  // then draw again in green: only the green lines stay vectors.
  w.MouseX = -160;
  w.MouseY = -120;
  canvas::Canvas_MouseDown(w, 4, 0);
  w.Canvas.SetForeColor(0x00FF00);
  w.TxtTurn.SetText("45");
  engine::CmdDraw_Click(w);
  ASSERT_TRUE(forms::SaveCanvas(w.Canvas, Path("f.svg")));
  QFile f(QString::fromStdString(Path("f.svg")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  EXPECT_TRUE(text.contains("data:image/png;base64,"));
  EXPECT_TRUE(text.contains("stroke=\"#00FF00\""));
  EXPECT_FALSE(text.contains("stroke=\"#FF0000\""));
  // Rendered over black (a missing background shows), every pixel away from
  // the green lines shows the canvas exactly.
  QSvgRenderer svg(QString::fromStdString(Path("f.svg")));
  QImage shown(320, 240, QImage::Format_RGB32);
  shown.fill(Qt::black);
  QPainter painter(&shown);
  svg.render(&painter);
  const base::Image& c = w.Canvas.Raster();
  const auto nearGreen = [&](int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (c.Contains(x + dx, y + dy) && c.Get(x + dx, y + dy) == 0x00FF00) return true;
    return false;
  };
  int exact = 0;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      if (!nearGreen(x, y)) {
        ++exact;
        ASSERT_EQ(shown.pixel(x, y), c.Row(y)[x]) << x << "," << y;
      }
  EXPECT_GT(exact, 10000);
}

TEST_F(PictureExport, SmoothPngKeepsThePenAndSvgHoldsThePrintFrame) {
  w.TxtRotations.SetText("20");
  w.CmdThick.SetCaption("4");
  engine::CmdDraw_Click(w);
  std::string reason;
  ASSERT_TRUE(forms::SaveCanvas(w.Canvas, Path("s.png"), true, {}, reason)) << reason;
  const QImage smooth = QImage(QString::fromStdString(Path("s.png")));
  ASSERT_EQ(smooth.size(), QSize(320, 240));
  // As much ink as the canvas holds, in the pen's red.
  long canvasInk = 0, smoothInk = 0, reddish = 0;
  for (uint32_t px : w.Canvas.Raster().pixels) canvasInk += (px & 0xFFFFFFu) != 0xFFFFFFu;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const QRgb c = smooth.pixel(x, y);
      smoothInk += qGray(c) < 200;
      reddish += qRed(c) > 200 && qGreen(c) < 100 && qBlue(c) < 100;
    }
  EXPECT_GT(smoothInk, canvasInk * 6 / 10);
  EXPECT_LT(smoothInk, canvasInk * 2);
  EXPECT_GT(reddish, canvasInk / 2);
  // The print frame's lines, 8 pixels wide, are lines of the SVG.
  files::CmdFrame_Click(w);
  ASSERT_TRUE(forms::SaveCanvas(w.Canvas, Path("frame.svg")));
  QFile f(QString::fromStdString(Path("frame.svg")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().count("stroke-width=\"8\""), 4);
}

// A smooth picture carries about the ink of the plain one, a path drawn over
// itself (the start picture: 37 times) and a wide pen included, and most of
// its inked pixels are partly inked.
TEST(SmoothPicture, HoldsThePlainPicturesInkWithSoftEdges) {
  struct Case {
    const char* parms;
    int width, height, pen;
  };
  // (3000x2000 is drawn in two bands.)
  for (const Case& c : {Case{"start", 800, 600, 1}, Case{"start", 1920, 1080, 1},
                        Case{"triangle_loops", 800, 600, 1}, Case{"start", 3000, 2000, 4}}) {
    forms::ScriptedServices services(c.width, c.height, 32);
    const auto started = app::StartWindow(services, 1);
    window::TrochelaMain& w = *started;
    std::string reason;
    const std::string parms = std::string(TESTS_DIR "/parms/") + c.parms + ".tra";
    ASSERT_TRUE(files::LoadParmsFile(w, parms, reason));
    w.Canvas.SetDrawWidth(c.pen);
    engine::CmdDraw_Click(w);
    const base::Ink plain = base::MeasureInk(w.Canvas.Raster());
    const base::Ink smooth = base::MeasureInk(forms::SmoothPicture(w.Canvas));
    EXPECT_NEAR(smooth.sum / plain.sum, 1.0, 0.1) << c.parms << " " << c.width << " pen " << c.pen;
    EXPECT_GT(smooth.partial * 3, smooth.inked) << c.parms << " " << c.width << " pen " << c.pen;
  }
}

// Where a later colour crossed an earlier one on the canvas, the smooth
// picture shows the later one on top too; a line at the edge keeps its ink.
TEST_F(PictureExport, SmoothCrossingsKeepTheLaterColourOnTop) {
  w.TxtRotations.SetText("20");
  engine::CmdDraw_Click(w);
  const base::Image red = w.Canvas.Raster();
  w.Canvas.SetForeColor(0x00FF00);
  w.TxtTurn.SetText("45");
  engine::CmdDraw_Click(w);
  w.Canvas.Line(167, -100, 167, 100);  // along the last column, 319
  const base::Image& plain = w.Canvas.Raster();
  const base::Image smooth = forms::SmoothPicture(w.Canvas);
  EXPECT_LT(smooth.Row(120)[319] & 0xFFu, 0xC0u);
  int crossings = 0, greener = 0;
  for (int y = 0; y < plain.height; ++y)
    for (int x = 0; x < plain.width; ++x)
      if (red.Row(y)[x] == base::ToPixel(0x0000FF) && plain.Row(y)[x] == base::ToPixel(0x00FF00)) {
        const uint32_t p = smooth.Row(y)[x];
        ++crossings;
        greener += ((p >> 8) & 0xFF) > ((p >> 16) & 0xFF);
      }
  ASSERT_GT(crossings, 100);
  EXPECT_GT(greener * 10, crossings * 8) << greener << " of " << crossings;
}

// Save Image's PNG and SVG carry the settings: loaded into a fresh window they
// give the same parameter file and the same picture; a picture without them
// is refused and changes nothing.
TEST_F(PictureExport, PicturesCarryTheSettingsThatDrawThemAgain) {
  std::string reason, saved, loaded;
  ASSERT_TRUE(files::LoadParmsFile(w, TESTS_DIR "/parms/chain_square.tra", reason)) << reason;
  engine::CmdDraw_Click(w);
  ASSERT_TRUE(files::ParmsText(w.picture, saved, reason));
  window::SetDrawingColour(w, {1, 2, 3}, base::RgbColor({1, 2, 3}));
  for (const char* name : {"s.png", "s.svg"}) {
    forms::DialogAnswer answer;
    answer.kind = forms::DialogAnswer::Kind::Save;
    answer.path = Path(name);
    services.Answer(answer);
    files::CmdSave_Click(w);
    forms::ScriptedServices again(320, 240, 32);
    const auto other = app::StartWindow(again, 1);
    window::TrochelaMain& fresh = *other;
    ASSERT_TRUE(files::LoadParmsFile(fresh, Path(name), reason)) << name << ": " << reason;
    engine::CmdDraw_Click(fresh);
    ASSERT_TRUE(files::ParmsText(fresh.picture, loaded, reason));
    EXPECT_EQ(loaded, saved) << name;
    // It carries the pen colour too, for --render.
    std::string carried;
    ASSERT_TRUE(base::ReadSettingsText(Path(name), 1 << 20, carried, reason));
    EXPECT_EQ(files::PenColourIn(carried).value_or(base::Rgb{}).green, 2) << name;
    EXPECT_EQ(fresh.Canvas.Raster().pixels, w.Canvas.Raster().pixels) << name;
  }
  ASSERT_TRUE(forms::SaveCanvas(w.Canvas, Path("bare.png")));
  w.TxtLoop.SetText("7");
  EXPECT_FALSE(files::LoadParmsFile(w, Path("bare.png"), reason));
  EXPECT_EQ(reason, "the picture carries no settings");
  EXPECT_EQ(w.TxtLoop.Text(), "7");
}

// The parameter file of each gallery picture draws it again, byte for byte,
// in its pen colour, and the picture carries the file's text.
TEST_F(PictureExport, AGalleryPicturesFileDrawsItAgain) {
  app::GalleryRequest g;
  g.count = 2;
  g.batch.outDir = Path("gallery");
  g.batch.width = 320;
  g.batch.height = 240;
  g.batch.seed = 3;
  g.batch.jobs = 1;
  ASSERT_EQ(app::MakeGallery(g), 0);
  for (const char* name : {"random-001", "random-002"}) {
    const std::string stem = Path("gallery/") + name;
    app::RenderRequest r;
    r.parms = {stem + ".tra"};
    r.out = Path("again.png");
    r.batch.width = 320;
    r.batch.height = 240;
    ASSERT_EQ(app::RenderPictures(r), 0);
    std::string png, again, tra, settings, reason;
    ASSERT_TRUE(base::ReadWholeFile(Path("again.png"), 1 << 24, again, reason));
    ASSERT_TRUE(base::ReadWholeFile(stem + ".png", 1 << 24, png, reason));
    ASSERT_TRUE(base::ReadWholeFile(stem + ".tra", 1 << 16, tra, reason));
    ASSERT_TRUE(base::SettingsInPng(png, settings));
    EXPECT_EQ(settings, tra);
    EXPECT_NE(tra.find("\r\n[Colour]\r\nRed="), std::string::npos) << tra;
    EXPECT_EQ(again, png) << name;
  }
  const auto c = files::PenColourIn(files::PenColourSection({1, 2, 256}));  // all three
  ASSERT_TRUE(c);
  EXPECT_EQ((std::vector<int>{c->red, c->green, c->blue}), (std::vector<int>{1, 2, 256}));
}

}  // namespace
