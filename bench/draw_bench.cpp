// Drawing speed: steps per second of the bare kernel (the drawing's own step
// functions and raster line alone) against the same picture drawn through the
// main window headless (yields, LblRot caption, locking, write-backs), and a
// plain QPainter drawing of the same segments, measured in one run. Prints
// "same-pixels CASE yes" when the bare kernel drew the window's picture pixel
// for pixel, "ratio CASE R" per case (full path over bare kernel) and
// "ratio-vs-qpainter CASE X" (how many times faster the full path is than
// QPainter). Arguments: the number of runs (best of them counts),
// optionally the one case to run, and optionally "full" or "bare" to run only
// that path, again and again, for a profiler.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "app/startup.h"
#include "base/curve_math.h"
#include "base/line_chain.h"
#include "base/raster.h"
#include "base/vector_state.h"
#include "bench/bench_clock.h"
#include "drawing/draw_passes.h"
#include "engine/draw_driver.h"
#include "forms/scripted_services.h"
#include "window/captions.h"
#include "window/trochela_main.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

// The processor time of this thread: on a machine shared with other work it
// leaves out the time the thread waits for a core, which wall time would count.
using bench::BestSeconds;
using bench::ThreadSeconds;

// As between two clicks of a user: the window shows what the last drawing
// drew before the next one starts.
void Settle(window::TrochelaMain& w) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(40);
  while (std::chrono::steady_clock::now() < until) w.form.DoEvents();
}

struct Case {
  std::string name;
  int wheels;  // 0: single wheel
  model::Shape shape;
  double rotations, resolution;
};

base::Mapping CanvasMapping() {
  base::Mapping m;
  m.scaleWidth = kWidth * 1.05;
  m.scaleHeight = kHeight * 1.05;
  m.scaleLeft = -m.scaleWidth / 2;
  m.scaleTop = -m.scaleHeight / 2;
  m.width = kWidth;
  m.height = kHeight;
  return m;
}

void ChainSizes(double* size, double* ratio, int wheels) {
  for (int k = 1; k <= 24; ++k) {
    size[k] = k <= wheels ? 60.0 / k : 0;
    ratio[k] = (k % 2 ? 1 : -1) * (3 * k - 2);
  }
}

// The points of one pass in canvas units, through the same step functions as
// the drawing, handed to `line` segment by segment (the first one of zero
// length). Returns the number of steps.
template <class Line>
long CurvePoints(const Case& c, Line line) {
  const double step = base::kPi / (c.resolution / 2);
  const base::PassTransform t = base::MakePassTransform(0, 0, 6, 6);
  const base::Outline& outline =
      c.shape == model::Shape::Triangle ? base::kTriangle : base::kSquare;
  double size[25], ratio[25], angle[25];
  ChainSizes(size, ratio, c.wheels);
  const double A = 235, K = -47, d = 195;
  double prevX = 0, prevY = 0;
  base::OutlinePosition pos;
  long steps = 0;
  for (double p = 0; p <= c.rotations; p += step, ++steps) {
    double x, y, sx, sy, cx, cy;
    if (c.wheels) {
      base::ComputeWheelAngles(ratio, p, angle);
      base::SumWheelChain(size, angle, c.wheels, x, y);
      base::RotateScale(t, x, y, sx, sy);
    } else if (c.shape == model::Shape::Circle) {
      base::SingleCirclePoint(A, K, d, p, x, y);
      base::RotateScale(t, x, y, sx, sy);
    } else {
      const double rho = base::OutlineStep(outline, pos, step);
      base::SingleOutlinePoint(A, K, base::OutlinePenOffset(d, rho), p, x, y);
      base::RotateScaleOutline(t, x, y, rho, sx, sy);
    }
    base::TurnOffset(t, sx, sy, 0, 0, cx, cy);
    if (p == 0) prevX = cx, prevY = cy;
    line(prevX, prevY, cx, cy);
    prevX = cx;
    prevY = cy;
  }
  return steps;
}

// The bare kernel: one pass with the drawing's math and line, no window.
long BareKernel(const Case& c, base::Image& img) {
  base::ClearUpperVectorState();  // as the drawing does when it starts
  base::LineChain lines(CanvasMapping(), 255, 1);
  base::Rect changed;
  const long steps = CurvePoints(c, [&](double x1, double y1, double x2, double y2) {
    lines.Line(img, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
               static_cast<float>(y2), changed);
  });
  return changed.Empty() ? -steps : steps;
}

// What a plain Qt doodler does: the same points drawn as the same segments
// with QPainter on a QImage of the same size, aliased, pen width 1.
long QPainterKernel(const Case& c, QImage& img) {
  const base::Mapping m = CanvasMapping();
  base::ClearUpperVectorState();  // a fair start, as the other two get
  QPainter painter(&img);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(255, 0, 0), 1));
  return CurvePoints(c, [&](double x1, double y1, double x2, double y2) {
    auto px = [&](double x) { return (x - m.scaleLeft) * m.width / m.scaleWidth; };
    auto py = [&](double y) { return (y - m.scaleTop) * m.height / m.scaleHeight; };
    painter.drawLine(QLineF(px(x1), py(y1), px(x2), py(y2)));
  });
}

void PrepareWindow(window::TrochelaMain& w, const Case& c) {
  w.ChkScale.SetValue(0);  // keep the scales typed here
  w.ChkMulti.SetValue(c.wheels ? 1 : 0);
  if (c.wheels) {
    ChainSizes(w.wheels.WheelSize.data(), w.wheels.WheelRatio.data(), c.wheels);
    w.WheelCount = static_cast<int16_t>(c.wheels);
    window::SetWheelLimit(w.CmdWheelLimit, w.picture, std::to_string(c.wheels));
    // The wheel's fields show the table, as they do for a user: a field
    // repaired when it loses the focus writes what it shows back.
    const int shown = w.ShownWheelNumber;
    w.TxtFixed.SetNumber(w.wheels.WheelSize[shown]);
    w.TxtRatio1.SetNumber(w.wheels.WheelRatio[shown]);
  }
  w.ChkCircle.SetValue(c.shape == model::Shape::Circle);
  w.ChkTriangle.SetValue(c.shape == model::Shape::Triangle);
  w.ChkSquare.SetValue(c.shape == model::Shape::Square);
  w.TxtRotations.SetText(std::to_string(static_cast<int>(c.rotations)));
  w.TxtResolution.SetText(std::to_string(static_cast<int>(c.resolution)));
  w.TxtX.SetText("6");
  w.TxtY.SetText("6");
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qapp(argc, argv);
  forms::ScriptedServices services(kWidth, kHeight, 32);
  const auto started = app::StartWindow(services, 1);
  window::TrochelaMain& w = *started;
  QApplication::processEvents();

  const Case cases[] = {
      {"start_circle", 0, model::Shape::Circle, 231, 1440},
      {"square_outline", 0, model::Shape::Square, 231, 1440},
      {"chain24", 24, model::Shape::Circle, 7, 998},
  };
  std::string model = "unknown";
  std::ifstream cpu("/proc/cpuinfo");
  for (std::string line; std::getline(cpu, line);)
    if (line.rfind("model name", 0) == 0) {
      model = line.substr(line.find(':') + 2);
      break;
    }
  std::printf("machine: %u cores, %s\n", std::thread::hardware_concurrency(), model.c_str());
  {
    const double t = BestSeconds(3, [&] {
      for (int i = 0; i < 10000; ++i) w.form.DoEvents();
    });
    std::printf("yield: %.2f us\n", t / 10000 * 1e6);
    // A drawing with nothing to draw, on the cleared canvas as the cases
    // below start: the frame around the passes alone.
    w.TxtRotations.SetText("-1");
    double e = 1e9;
    for (int i = 0; i < 20; ++i) {
      w.Canvas.SetPicture({});
      e = std::min(e, BestSeconds(1, [&] { engine::CmdDraw_Click(w); }));
    }
    std::printf("empty drawing: %.3f ms\n", e * 1e3);
  }
  const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
  const std::string only = argc > 2 ? argv[2] : "";
  const std::string onlyPath = argc > 3 ? argv[3] : "";
  std::printf("%-16s %12s %14s %14s %10s %12s\n", "case", "steps", "bare steps/s", "full steps/s",
              "full ms", "qpainter ms");
  for (const Case& c : cases) {
    if (!only.empty() && c.name != only) continue;
    base::Image img(kWidth, kHeight, 0xFFFFFF);
    QImage qimg(kWidth, kHeight, QImage::Format_RGB32);
    qimg.fill(Qt::white);
    long steps = 0;
    PrepareWindow(w, c);
    // Bare, full and QPainter runs alternate, so that all see the same
    // machine; the best of each counts.
    double bare = 1e9, full = 1e9, qpainter = 1e9;
    if (onlyPath == "full" || onlyPath == "bare") {
      // One path alone, again and again: for a profiler.
      double best = 1e9;
      for (int i = 0; i < runs; ++i) {
        if (onlyPath == "bare") {
          best = std::min(best, BestSeconds(1, [&] { BareKernel(c, img); }));
          continue;
        }
        w.TxtX.SetText("6");
        w.TxtY.SetText("6");
        best = std::min(best, BestSeconds(1, [&] { engine::CmdDraw_Click(w); }));
        w.Canvas.SetPicture({});
      }
      std::printf("%s %s %.3f ms\n", onlyPath.c_str(), c.name.c_str(), best * 1e3);
      continue;
    }
    for (int i = 0; i < runs; ++i) {
      // All three pictures are cleared together, as a user clears between
      // pictures, and the window shows its cleared canvas before the next
      // drawing starts. The canvas keeps the memory of its line log, so each
      // drawing records into memory it already has.
      w.Canvas.SetPicture({});
      img.Fill(0xFFFFFF);
      qimg.fill(Qt::white);
      Settle(w);
      bare = std::min(bare, BestSeconds(1, [&] { steps = BareKernel(c, img); }));
      w.TxtX.SetText("6");
      w.TxtY.SetText("6");
      full = std::min(full, BestSeconds(1, [&] { engine::CmdDraw_Click(w); }));
      qpainter = std::min(qpainter, BestSeconds(1, [&] { QPainterKernel(c, qimg); }));
    }
    // The bare kernel is the drawing's own computation: the two pictures are
    // the same, pixel for pixel.
    const bool same = img.pixels == w.Canvas.Raster().pixels;
    std::printf("%-16s %12ld %14.0f %14.0f %10.2f %12.2f\n", c.name.c_str(), steps, steps / bare,
                steps / full, full * 1000, qpainter * 1000);
    std::printf("same-pixels %s %s\n", c.name.c_str(), same ? "yes" : "NO");
    std::printf("ratio %s %.3f\n", c.name.c_str(), bare / full);
    std::printf("ratio-vs-qpainter %s %.3f\n", c.name.c_str(), qpainter / full);
  }
  return 0;
}
