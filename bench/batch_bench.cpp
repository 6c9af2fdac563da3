// Batches: 40 random parameter files drawn at 1920x1080 into PNG files by
// `trochela --render` with one worker thread and with one a core, into new folders
// ("batch-pictures-per-s", goal: all >= 1.8x one on 2 cores) and over the
// pictures of a run before ("batch-replacing-pictures-per-s"), and the
// program's PNG encoding against Qt's default PNG settings on the same
// pictures ("png-chosen ... speedup", goal >= 2; "size-ratio", goal <= 1.5;
// processor time, best of 5 rounds), with the other encodings measured for
// the choice. The batches are timed by the clock, the best of 9 runs each,
// taken in turn so that a busy moment of the machine touches both. Run as
// trochela_batch_bench PATH-TO-trochela.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "base/png_encoder.h"
#include "bench/bench_clock.h"
#include "forms/qt_views.h"

namespace {

constexpr int kFiles = 40;
// Runs of each batch; the best counts. A busy moment of the virtual machine
// (another guest on its cores) slows two workers more than one.
constexpr int kRounds = 9;

double Seconds(const std::string& command) {
  const auto t0 = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: trochela_batch_bench PATH-TO-trochela\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qapp(argc, argv);
  const std::string exe = argv[1];
  QTemporaryDir tmp;
  const std::string dir = tmp.path().toStdString();
  Seconds(exe + " --random " + std::to_string(kFiles) + " --seed 1 --size 64x48 --format bmp" +
          " --out-dir " + dir + "/tra 2>/dev/null");
  const std::string render = exe + " --render " + dir + "/tra/*.tra --size 1920x1080";
  // Into a new folder each round, as a batch usually goes; then over the
  // pictures of the last round, each new one flushed to the disk before it
  // replaces the old.
  for (const bool replacing : {false, true}) {
    double one = 1e9, all = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      std::string to = " --out-dir " + dir + "/";
      to += std::to_string(replacing ? kRounds - 1 : round);
      one = std::min(one, Seconds(render + " -j 1" + to + "one 2>/dev/null"));
      all = std::min(all, Seconds(render + to + "all 2>/dev/null"));
    }
    std::printf("batch%s-pictures-per-s one-job %.1f all-jobs %.1f (%u cores) ratio %.2f\n",
                replacing ? "-replacing" : "", kFiles / one, kFiles / all,
                std::thread::hardware_concurrency(), one / all);
  }

  std::vector<base::Image> pictures;
  const QString last = tmp.path() + "/" + QString::number(kRounds - 1) + "one/";
  for (const QString& name : QDir(last).entryList({"*.png"}, QDir::Files))
    pictures.push_back(forms::FromQImage(QImage(last + name)));
  size_t qtBytes = 0;
  const double qt = bench::BestSeconds(
      5,
      [&] {
        qtBytes = 0;
        for (const base::Image& p : pictures) {
          QByteArray bytes;
          QBuffer buffer(&bytes);
          buffer.open(QIODevice::WriteOnly);
          QImageWriter(&buffer, "PNG").write(forms::View(p));
          qtBytes += bytes.size();
        }
      },
      CLOCK_PROCESS_CPUTIME_ID);
  std::printf("png-qt-default ms-per-picture %.1f bytes-per-picture %zu\n",
              qt * 1000 / pictures.size(), qtBytes / pictures.size());
  struct Variant {
    const char* name;
    base::PngEncoding e;
  };
  const base::PngEncoding chosen;
  for (const Variant& v :
       {Variant{"chosen", chosen}, Variant{"level1-none-rle", {1, 0, true}},
        Variant{"level1-sub-rle", {1, 1, true}}, Variant{"level1-sub-default", {1, 1, false}},
        Variant{"level6-up-default", {6, 2, false}}}) {
    size_t bytes = 0;
    const double t = bench::BestSeconds(
        5,
        [&] {
          bytes = 0;
          for (const base::Image& p : pictures) bytes += base::EncodePng(p, {}, v.e).size();
        },
        CLOCK_PROCESS_CPUTIME_ID);
    std::printf("png-%s ms-per-picture %.1f bytes-per-picture %zu speedup %.2f size-ratio %.2f\n",
                v.name, t * 1000 / pictures.size(), bytes / pictures.size(), qt / t,
                static_cast<double>(bytes) / qtBytes);
  }
  return 0;
}
