#include "app/batch.h"

#include <poll.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <map>
#include <new>
#include <thread>
#include <vector>

namespace app {
namespace {

// A job's record on a worker's pipe: the job, its success and the length of
// what it said, then the text.
struct RecordHead {
  int32_t job;
  int32_t ok;
  uint32_t length;
};

bool WriteAll(int fd, const char* p, size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    p += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

// The next job, shared by the workers in memory they all see: a worker takes
// the next one whenever it is free, so a long picture holds up only itself.
using NextJob = std::atomic<int>;
static_assert(NextJob::is_always_lock_free, "shared between processes");

[[noreturn]] void Worker(int fd, NextJob& next, int count,
                         const std::function<void()>& startWorker,
                         const std::function<bool(int, std::string&)>& run) {
  startWorker();
  for (int i; (i = next.fetch_add(1)) < count;) {
    std::string said;
    const RecordHead head{i, run(i, said) ? 1 : 0, static_cast<uint32_t>(said.size())};
    std::string record(reinterpret_cast<const char*>(&head), sizeof head);
    record += said;
    if (!WriteAll(fd, record.data(), record.size())) ::_exit(3);
  }
  // The toolkit is not torn down: the process only ends.
  ::_exit(0);
}

// What the workers sent, job by job, written out in job order.
class InOrder {
 public:
  explicit InOrder(int count) : ok_(count, false) {}
  void Done(int job, bool ok, std::string said) {
    ok_[job] = ok;
    pending_[job] = std::move(said);
    for (auto it = pending_.begin(); it != pending_.end() && it->first == next_;
         it = pending_.erase(it), ++next_)
      std::cerr << it->second << std::flush;
  }
  // Jobs never reported are told now, in order, with what came after them.
  void Finish(int count) {
    for (; next_ < count; ++next_) {
      auto it = pending_.find(next_);
      if (it == pending_.end())
        std::cerr << "trochela: job " << next_ + 1 << " was not done\n";
      else
        std::cerr << it->second;
    }
    std::cerr << std::flush;
  }
  bool AllOk() const {
    return std::all_of(ok_.begin(), ok_.end(), [](bool b) { return b; });
  }

 private:
  std::vector<bool> ok_;
  std::map<int, std::string> pending_;
  int next_ = 0;
};

}  // namespace

int DefaultJobs() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

bool RunJobs(int count, int workers, const std::function<void()>& startWorker,
             const std::function<bool(int, std::string&)>& run) {
  workers = std::clamp(workers, 1, std::max(count, 1));
  if (workers == 1) {
    startWorker();
    bool all = true;
    for (int i = 0; i < count; ++i) {
      std::string said;
      all = run(i, said) && all;
      std::cerr << said << std::flush;
    }
    return all;
  }
  void* shared = ::mmap(nullptr, sizeof(NextJob), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) return RunJobs(count, 1, startWorker, run);
  NextJob* next = new (shared) NextJob(0);
  std::cerr << std::flush;
  std::vector<pollfd> pipes;
  std::vector<pid_t> pids;
  std::vector<std::string> buffers;
  for (int k = 0; k < workers; ++k) {
    int fds[2];
    if (::pipe(fds) != 0) {
      std::cerr << "trochela: cannot start a worker: " << std::strerror(errno) << "\n";
      break;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(fds[0]);
      for (const pollfd& p : pipes) ::close(p.fd);
      Worker(fds[1], *next, count, startWorker, run);
    }
    ::close(fds[1]);
    if (pid < 0) {
      ::close(fds[0]);
      std::cerr << "trochela: cannot start a worker: " << std::strerror(errno) << "\n";
      break;
    }
    pipes.push_back({fds[0], POLLIN, 0});
    pids.push_back(pid);
    buffers.emplace_back();
  }
  InOrder order(count);
  size_t open = pipes.size();
  while (open > 0) {
    if (::poll(pipes.data(), pipes.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (size_t k = 0; k < pipes.size(); ++k) {
      if (pipes[k].fd < 0 || pipes[k].revents == 0) continue;
      char chunk[65536];
      const ssize_t n = ::read(pipes[k].fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ::close(pipes[k].fd);
        pipes[k].fd = -1;
        --open;
        continue;
      }
      std::string& b = buffers[k];
      b.append(chunk, static_cast<size_t>(n));
      RecordHead head;
      while (b.size() >= sizeof head) {
        std::memcpy(&head, b.data(), sizeof head);
        if (b.size() < sizeof head + head.length) break;
        if (head.job >= 0 && head.job < count)
          order.Done(head.job, head.ok != 0, b.substr(sizeof head, head.length));
        b.erase(0, sizeof head + head.length);
      }
    }
  }
  // Pipes still open after a failed wait: a worker writing into one ends
  // instead of waiting for a reader that is gone.
  for (const pollfd& p : pipes)
    if (p.fd >= 0) ::close(p.fd);
  bool workersOk = pids.size() == static_cast<size_t>(workers);
  for (const pid_t pid : pids) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
      std::cerr << "trochela: a worker stopped on signal " << WTERMSIG(status) << "\n";
      workersOk = false;
    } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::cerr << "trochela: a worker failed\n";
      workersOk = false;
    }
  }
  ::munmap(shared, sizeof(NextJob));
  order.Finish(count);
  return order.AllOk() && workersOk;
}

}  // namespace app
