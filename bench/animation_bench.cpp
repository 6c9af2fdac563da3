// The drawing as an animation: writing the 60-frame animated WebP of the
// start picture at 800x600 against ImageMagick's `convert` assembling the
// same 60 frames, given as PNG files, into a GIF, in one run; the program's
// own GIF beside them. Processor time, the best of 3 rounds each (the
// children's for convert, which may use several threads), and the sizes.
// Skipped with a message where convert is missing.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/startup.h"
#include "base/animation_frames.h"
#include "base/file_io.h"
#include "base/png_encoder.h"
#include "bench/bench_clock.h"
#include "engine/draw_driver.h"
#include "files/parameter_file.h"
#include "forms/picture_export.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

double ChildrenSeconds() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  forms::ScriptedServices services(800, 600, 32);
  const auto started = app::StartWindow(services, 1);
  window::TrochelaMain& w = *started;
  std::string reason;
  if (!files::LoadParmsFile(w, TROCHELA_SOURCE_DIR "/examples/start.tra", reason)) {
    std::fprintf(stderr, "cannot load the start picture: %s\n", reason.c_str());
    return 1;
  }
  engine::CmdDraw_Click(w);
  const base::DrawnPicture drawn = forms::Drawn(w.Canvas);
  const base::Animation a;  // 60 frames
  std::string webp, gif;
  const double webpSeconds = bench::BestSeconds(
      3, [&] { base::EncodePicture(drawn, base::PictureKind::Webp, false, {}, webp, reason, a); },
      CLOCK_PROCESS_CPUTIME_ID);
  const double gifSeconds = bench::BestSeconds(
      3, [&] { base::EncodePicture(drawn, base::PictureKind::Gif, false, {}, gif, reason, a); },
      CLOCK_PROCESS_CPUTIME_ID);
  std::printf("animation-webp-60-ms %.1f\nanimation-webp-bytes %zu\n", webpSeconds * 1000,
              webp.size());
  std::printf("animation-gif-60-ms %.1f\nanimation-gif-bytes %zu\n", gifSeconds * 1000, gif.size());
  if (std::system("command -v convert >/dev/null 2>&1") != 0) {
    std::printf("animation-convert: skipped, ImageMagick's convert is missing\n");
    return 0;
  }
  // The same frames as PNG files, for convert.
  namespace fs = std::filesystem;
  const fs::path dir =
      fs::temp_directory_path() / ("trochela-animation-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::optional<base::FramePlan> plan = base::PlanFrames(drawn, reason);
  int k = 0;
  base::MakeFrames(drawn, *plan, a.frames, false, [&](const base::Image& frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%03d.png", k++);
    return base::WriteFileReplacing((dir / name).string(), base::EncodePng(frame), reason);
  });
  const std::string out = (dir / "convert.gif").string();
  const std::string command =
      "convert -delay 5 -loop 0 '" + (dir / "frame-*.png").string() + "' '" + out + "'";
  double convertSeconds = 1e9;
  for (int round = 0; round < 3; ++round) {
    const double t0 = ChildrenSeconds();
    if (std::system(command.c_str()) != 0) {
      std::printf("animation-convert: failed\n");
      fs::remove_all(dir);
      return 1;
    }
    convertSeconds = std::min(convertSeconds, ChildrenSeconds() - t0);
  }
  const auto convertBytes = fs::file_size(out);
  fs::remove_all(dir);
  std::printf("animation-convert-gif-60-ms %.1f\nanimation-convert-gif-bytes %ju\n",
              convertSeconds * 1000, static_cast<uintmax_t>(convertBytes));
  std::printf("animation-webp-speed-over-convert %.1fx (goal 3x)\n", convertSeconds / webpSeconds);
  std::printf("animation-webp-size-to-convert %.2f (goal at most 0.5)\n",
              static_cast<double>(webp.size()) / static_cast<double>(convertBytes));
  return 0;
}
