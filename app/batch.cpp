#include "app/batch.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <iostream>
#include <map>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

namespace app {
namespace {

std::atomic<bool> stopAsked{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void AskToStop(int) { stopAsked.store(true, std::memory_order_relaxed); }

// What the jobs said, written out in job order as each job's turn comes.
class InOrder {
 public:
  explicit InOrder(int count) : ok_(count, false) {}
  void Done(int job, bool ok, std::string said) {
    const std::lock_guard<std::mutex> lock(mutex_);
    ok_[job] = ok;
    pending_[job] = std::move(said);
    for (auto it = pending_.begin(); it != pending_.end() && it->first == next_;
         it = pending_.erase(it), ++next_)
      std::cerr << it->second << std::flush;
  }
  // The jobs a stop left undone, in one line.
  void Finish(int count) {
    const std::lock_guard<std::mutex> lock(mutex_);
    for (auto& [job, said] : pending_) std::cerr << said;
    if (next_ < count && stopAsked)
      std::cerr << "trochela: stopped; " << count - next_ << " of " << count
                << " jobs not done\n";
    std::cerr << std::flush;
  }
  bool AllOk() const {
    return std::all_of(ok_.begin(), ok_.end(), [](bool b) { return b; });
  }

 private:
  std::mutex mutex_;
  std::vector<bool> ok_;
  std::map<int, std::string> pending_;
  int next_ = 0;
};

}  // namespace

std::string BatchKindProblem(const BatchOptions& b, base::PictureKind kind) {
  using base::PictureKind;
  const bool moves = kind == PictureKind::Webp || kind == PictureKind::Gif;
  if (b.antialias && kind != PictureKind::Png && kind != PictureKind::Webp)
    return std::string("--antialias draws PNG and WebP pictures only") +
           (kind == PictureKind::Gif ? std::string(": ") + base::kGifIsNotSmooth : "");
  if (b.animationGiven && !moves) return "--frames and --fps go with animated pictures (webp, gif)";
  return {};
}

int DefaultJobs() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

bool StopAsked() { return stopAsked.load(std::memory_order_relaxed); }

bool RunJobs(int count, int workers, const std::function<bool(int, std::string&)>& run) {
  workers = std::clamp(workers, 1, std::max(count, 1));
  stopAsked = false;
  struct sigaction ask {};
  ask.sa_handler = AskToStop;
  sigemptyset(&ask.sa_mask);
  struct sigaction oldInt {}, oldTerm {};
  sigaction(SIGINT, &ask, &oldInt);
  sigaction(SIGTERM, &ask, &oldTerm);
  InOrder order(count);
  std::atomic<int> next{0};
  const auto worker = [&] {
    for (int i; !StopAsked() && (i = next.fetch_add(1)) < count;) {
      std::string said;
      bool ok = false;
      try {
        ok = run(i, said);
      } catch (const std::bad_alloc&) {
        said += "trochela: job " + std::to_string(i + 1) + ": out of memory\n";
      }
      order.Done(i, ok, std::move(said));
    }
  };
  std::vector<std::thread> threads;
  for (int k = 1; k < workers; ++k) {
    try {
      threads.emplace_back(worker);
    } catch (const std::system_error& e) {
      std::cerr << "trochela: cannot start a worker: " << e.what() << "\n";
      break;
    }
  }
  worker();
  for (std::thread& t : threads) t.join();
  order.Finish(count);
  sigaction(SIGINT, &oldInt, nullptr);
  sigaction(SIGTERM, &oldTerm, nullptr);
  return order.AllOk() && !StopAsked();
}

}  // namespace app
