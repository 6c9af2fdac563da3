// Processor time of one slideshow pause on the desktop's real clock, which
// sleeps on the event loop until the next event or the deadline. Prints
// "pause-cpu P": P percent of one core over the pause (user and system time
// of the whole program over the wall time).
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "forms/scripted_services.h"
#include "random/slideshow.h"
#include "window/trochela_main.h"

namespace {

double ProcessorSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(u.ru_utime) + seconds(u.ru_stime);
}

double WallSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qapp(argc, argv);
  auto services = forms::MakeDesktopServices();
  const auto started = app::StartWindow(*services, 1);
  window::TrochelaMain& w = *started;
  for (int i = 0; i < 100; ++i) w.form.DoEvents();

  const double cpu0 = ProcessorSeconds(), wall0 = WallSeconds();
  random_pictures::PauseAfterPicture(w);
  const double cpu = ProcessorSeconds() - cpu0, wall = WallSeconds() - wall0;
  std::printf("pause: %.2f s wall, %.4f s processor\n", wall, cpu);
  std::printf("pause-cpu %.2f\n", 100 * cpu / wall);
  return 0;
}
