// Drawing speed: steps per second of the bare kernel (the curve math and the
// raster line alone) against the same picture drawn through the main window
// headless (yields, LblRot caption, locking, write-backs), measured in one run.
// Prints "ratio CASE R" per case: full path over bare kernel.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/startup.h"
#include "base/curve_math.h"
#include "base/raster.h"
#include "engine/draw_driver.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

double BestSeconds(int runs, const std::function<void()>& f) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    best = std::min(best,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  return best;
}

// As between two clicks of a user: the window shows what the last drawing
// drew before the next one starts.
void Settle(window::TrochelaMain& w) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(40);
  while (std::chrono::steady_clock::now() < until) w.form.DoEvents();
}

struct Case {
  std::string name;
  int wheels;  // 0: single wheel
  engine::Shape shape;
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

// The bare kernel: one pass of the curve loop with the math and the line, no window.
long BareKernel(const Case& c, base::Image& img) {
  const base::Mapping m = CanvasMapping();
  const double step = base::kPi / (c.resolution / 2);
  const base::PassTransform t = base::MakePassTransform(0, 0, 6, 6);
  const base::Outline& outline =
      c.shape == engine::Shape::Triangle ? base::kTriangle : base::kSquare;
  double size[25], ratio[25], angle[25];
  ChainSizes(size, ratio, c.wheels);
  const double A = 235, K = -47, d = 195;
  double prevX = 0, prevY = 0, outlineAngle = 0;
  long steps = 0;
  for (double p = 0; p <= c.rotations; p += step, ++steps) {
    double x, y, sx, sy, cx, cy;
    if (c.wheels) {
      base::ComputeWheelAngles(ratio, p, angle);
      base::SumWheelChain(size, angle, c.wheels, x, y);
      base::RotateScale(t, x, y, sx, sy);
    } else if (c.shape == engine::Shape::Circle) {
      base::SingleCirclePoint(A, K, d, p, x, y);
      base::RotateScale(t, x, y, sx, sy);
    } else {
      const double rho = base::OutlineStep(outline, outlineAngle, step);
      base::SingleOutlinePoint(A, K, d, rho, p, x, y);
      base::RotateScaleOutline(t, x, y, rho, sx, sy);
    }
    base::TurnOffset(t, sx, sy, 0, 0, cx, cy);
    if (p == 0) prevX = cx, prevY = cy;
    base::DrawLine(img, m.PixelX(static_cast<float>(prevX)), m.PixelY(static_cast<float>(prevY)),
                   m.PixelX(static_cast<float>(cx)), m.PixelY(static_cast<float>(cy)), 255, 1);
    prevX = cx;
    prevY = cy;
  }
  return steps;
}

void PrepareWindow(window::TrochelaMain& w, const Case& c) {
  w.ChkScale.SetValue(0);  // keep the scales typed here
  w.ChkMulti.SetValue(c.wheels ? 1 : 0);
  if (c.wheels) {
    ChainSizes(w.wheels.WheelSize.data(), w.wheels.WheelRatio.data(), c.wheels);
    w.WheelCount = static_cast<int16_t>(c.wheels);
    w.CmdWheelLimit.SetCaption(std::to_string(c.wheels));
  }
  w.ChkCircle.SetValue(c.shape == engine::Shape::Circle);
  w.ChkTriangle.SetValue(c.shape == engine::Shape::Triangle);
  w.ChkSquare.SetValue(c.shape == engine::Shape::Square);
  w.TxtRotations.SetText(std::to_string(static_cast<int>(c.rotations)));
  w.TxtResolution.SetText(std::to_string(static_cast<int>(c.resolution)));
  w.TxtX.SetText("6");
  w.TxtY.SetText("6");
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qapp(argc, argv);
  forms::ScriptedServices machine(kWidth, kHeight, 32);
  window::TrochelaMain w(machine);
  app::WireHandlers(w);
  app::Form_Load(w, true, 1);
  w.form.Show(false);
  QApplication::processEvents();

  const Case cases[] = {
      {"start_circle", 0, engine::Shape::Circle, 231, 1440},
      {"square_outline", 0, engine::Shape::Square, 231, 1440},
      {"chain24", 24, engine::Shape::Circle, 7, 998},
  };
  {
    const double t = BestSeconds(3, [&] {
      for (int i = 0; i < 10000; ++i) w.form.DoEvents();
    });
    std::printf("yield: %.2f us\n", t / 10000 * 1e6);
    const double e = BestSeconds(5, [&] {
      w.TxtRotations.SetText("-1");
      engine::CmdDraw_Click(w);
    });
    std::printf("empty drawing: %.3f ms\n", e * 1e3);
  }
  const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
  std::printf("%-16s %12s %14s %14s %10s\n", "case", "steps", "bare steps/s", "full steps/s",
              "full ms");
  for (const Case& c : cases) {
    base::Image img(kWidth, kHeight, 0xFFFFFF);
    long steps = 0;
    PrepareWindow(w, c);
    // Bare and full runs alternate, so that both see the same machine; the
    // best of each counts.
    double bare = 1e9, full = 1e9;
    for (int i = 0; i < runs; ++i) {
      bare = std::min(bare, BestSeconds(1, [&] { steps = BareKernel(c, img); }));
      full = std::min(full, BestSeconds(1, [&] {
                        w.TxtX.SetText("6");
                        w.TxtY.SetText("6");
                        engine::CmdDraw_Click(w);
                      }));
      Settle(w);
    }
    std::printf("%-16s %12ld %14.0f %14.0f %10.2f\n", c.name.c_str(), steps, steps / bare,
                steps / full, full * 1000);
    std::printf("ratio %s %.2f\n", c.name.c_str(), bare / full);
  }
  return 0;
}
