// Vector output: what keeping the lines costs a drawing in memory, and how
// long writing the start picture as SVG takes. Prints "line-bytes-per-segment
// B" and "svg-write-ms T".
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "app/startup.h"
#include "engine/draw_driver.h"
#include "forms/picture_export.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  forms::ScriptedServices services(1024, 768, 32);
  const auto started = app::StartWindow(services, 1);
  window::TrochelaMain& w = *started;
  // The start picture: 231 rotations at scale 6.
  w.ChkScale.SetValue(0);
  w.TxtRotations.SetText("231");
  w.TxtX.SetText("6");
  w.TxtY.SetText("6");
  engine::CmdDraw_Click(w);
  const base::LineLog& lines = w.Canvas.Lines();
  std::printf("segments %zu\n", lines.Segments());
  std::printf("line-bytes-per-segment %.1f\n",
              static_cast<double>(lines.Bytes()) / std::max<size_t>(1, lines.Segments()));
  double best = 1e9;
  size_t bytes = 0;
  for (int i = 0; i < 10; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    bytes = forms::CanvasSvg(w.Canvas).size();
    best = std::min(best,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  std::printf("svg-bytes %zu\n", bytes);
  std::printf("svg-write-ms %.1f\n", best * 1000);
  return 0;
}
