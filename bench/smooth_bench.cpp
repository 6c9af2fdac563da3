// Smooth pictures: the ink of the smooth picture against the plain one for
// the start picture and examples/triangle_loops.tra at 800x600 and 1920x1080
// ("ink-ratio", goal 0.8-1.25; "partial-share", goal >= 1/3 of the inked
// pixels), and the smooth start picture at 1920x1080 against QPainter's
// antialiased drawing of the same segments ("ratio-aa-vs-qpainter", goal >=
// 2; processor time, best of 5 rounds each).
#include <QApplication>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/startup.h"
#include "base/smooth_lines.h"
#include "bench/bench_clock.h"
#include "engine/draw_driver.h"
#include "files/parameter_file.h"
#include "forms/picture_export.h"
#include "forms/qt_views.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

QColor ColourOf(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The lines drawn with QPainter's antialiasing, round caps and joins.
QImage QPainterSmooth(const base::LineLog& log, int width, int height) {
  QImage out(width, height, QImage::Format_RGB32);
  out.fill(ColourOf(log.Background()));
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing);
  const auto& points = log.Points();
  for (size_t k = 0; k < log.Runs().size(); ++k) {
    const base::LineRun& run = log.Runs()[k];
    p.setPen(QPen(ColourOf(run.bgr), std::max(run.width, 1), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    QPolygonF line;
    for (size_t i = run.first; i < log.RunEnd(k); ++i) line << QPointF(points[i].x, points[i].y);
    p.drawPolyline(line);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qapp(argc, argv);
  const std::string examples = argc > 1 ? argv[1] : "examples";
  struct Size {
    int w, h;
  };
  for (const char* name : {"start", "triangle_loops"})
    for (const Size s : {Size{800, 600}, Size{1920, 1080}}) {
      forms::ScriptedServices services(s.w, s.h, 32);
      const auto started = app::StartWindow(services, 1);
      window::TrochelaMain& w = *started;
      std::string reason;
      if (!files::LoadParmsFile(w, examples + "/" + name + ".tra", reason)) {
        std::fprintf(stderr, "%s: %s\n", name, reason.c_str());
        return 1;
      }
      engine::CmdDraw_Click(w);
      base::Image smooth;
      const double smoothSeconds = bench::BestSeconds(
          5, [&] { smooth = forms::SmoothPicture(w.Canvas); }, CLOCK_PROCESS_CPUTIME_ID);
      const base::Ink plain = base::MeasureInk(w.Canvas.Raster());
      const base::Ink soft = base::MeasureInk(smooth);
      std::printf("%s %dx%d: ink-ratio %.3f partial-share %.3f smooth-ms %.1f\n", name, s.w, s.h,
                  soft.sum / plain.sum, static_cast<double>(soft.partial) / soft.inked,
                  smoothSeconds * 1000);
      if (std::string(name) == "start" && s.w == 1920) {
        const base::LineLog& log = w.Canvas.Lines();
        const double qt = bench::BestSeconds(
            5, [&] { QPainterSmooth(log, s.w, s.h); }, CLOCK_PROCESS_CPUTIME_ID);
        std::printf("qpainter-aa-ms %.1f\nratio-aa-vs-qpainter %.2f\n", qt * 1000,
                    qt / smoothSeconds);
      }
    }
  return 0;
}
