// Memory at the largest size: the start picture rendered as with
// `trochela --render examples/start.tra --out P.png --size 16384x16384`.
// Prints "render-16384-png-peak-mb M", the process's peak resident memory
// (the canvas alone is 1024 MiB).
#include <sys/resource.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "app/render.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / "trochela-render-memory.png";
  app::RenderRequest r;
  r.parms = {TROCHELA_SOURCE_DIR "/examples/start.tra"};
  r.out = out.string();
  r.batch.width = r.batch.height = 16384;
  const int code = app::RenderPictures(r);
  std::filesystem::remove(out);
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("render-16384-png-peak-mb %ld\n", usage.ru_maxrss / 1024);
  return code;
}
