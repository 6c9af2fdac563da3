#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

namespace base {
namespace {

namespace fs = std::filesystem;

std::string Reason(int error) { return std::strerror(error); }

// Closes the descriptor on every way out.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  bool Close() {
    const int r = ::close(fd);
    fd = -1;
    return r == 0;
  }
};

}  // namespace

bool PathExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// True for a regular file; otherwise false with what the file is instead.
static bool IsRegularFile(const struct stat& st, std::string& reason) {
  if (S_ISREG(st.st_mode)) return true;
  reason = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a file";
  return false;
}

// Opens a regular file for reading; on failure the descriptor is closed and
// the reason given.
static bool OpenRegularFile(const std::string& path, Descriptor& d, struct stat& st,
                            std::string& reason) {
  // Without O_NONBLOCK a FIFO would block the open until a writer came.
  d.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (d.fd < 0 || ::fstat(d.fd, &st) != 0) {
    reason = Reason(errno);
    return false;
  }
  return IsRegularFile(st, reason);
}

bool CheckReadableFile(const std::string& path, std::string& reason) {
  Descriptor d;
  struct stat st;
  return OpenRegularFile(path, d, st, reason);
}

int OpenReadableFile(const std::string& path, std::string& reason) {
  Descriptor d;
  struct stat st;
  if (!OpenRegularFile(path, d, st, reason)) return -1;
  return std::exchange(d.fd, -1);
}

bool ReadWholeFile(const std::string& path, size_t limit, std::string& out, std::string& reason) {
  out.clear();
  Descriptor d;
  struct stat st;
  if (!OpenRegularFile(path, d, st, reason)) return false;
  if (static_cast<unsigned long long>(st.st_size) > limit) {
    reason = "it is too large (" + std::to_string(st.st_size) + " bytes)";
    return false;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(d.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = Reason(errno);
      return false;
    }
    if (n == 0) break;
    if (out.size() + static_cast<size_t>(n) > limit) {
      reason = "it is too large";
      return false;
    }
    out.append(buffer, static_cast<size_t>(n));
  }
  return true;
}

namespace {

// The longest name the folder takes (255 on the usual file systems).
size_t NameLimit(const fs::path& folder) {
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 16 ? static_cast<size_t>(limit) : 255;
}

// Creates an empty file with a new name in the folder of `target`, open for
// writing in `d`; its name ends in as much of the target's own name as fits.
// The file is written through this descriptor only: its name, in a folder
// others may write to, could be made a link before it was opened again.
// Returns the empty string and a reason when the folder takes no new file.
std::string CreateTempBeside(const std::string& target, Descriptor& d, std::string& reason) {
  static std::atomic<unsigned> counter{0};
  const fs::path t(target);
  if (t.filename().empty()) {
    reason = "the name is a folder";
    return {};
  }
  const std::string own = t.filename().string();
  const size_t limit = NameLimit(t.parent_path());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(1, '.');
    name.append(std::to_string(::getpid())).append(1, '-').append(std::to_string(counter++));
    name.append(".tmp-");
    // As much of the end of the target's name as fits keeps its extension.
    const size_t room = limit > name.size() ? limit - name.size() : 0;
    name.append(own.size() > room ? own.substr(own.size() - room) : own);
    const fs::path temp = t.parent_path() / name;
    d.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (d.fd >= 0) return temp.string();
    if (errno != EEXIST) {
      reason = Reason(errno);
      return {};
    }
  }
  reason = "no temporary name is free";
  return {};
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link; a dangling link's missing target).
std::string FollowLinks(const std::string& path) {
  fs::path p(path);
  // As many links as the system itself follows before it gives up.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    char buffer[4096];
    const ssize_t n = ::readlink(p.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) break;
    const fs::path to(std::string(buffer, static_cast<size_t>(n)));
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return p.string();
}

void RemoveTemp(const std::string& temp) { ::unlink(temp.c_str()); }

// Puts `temp` in the place of `target` in one step; on failure removes `temp`
// and leaves `target` as it was. The rename replaces a link in the target's
// place itself, never the file it points to.
bool ReplaceWithTemp(const std::string& temp, const std::string& target, std::string& reason) {
  struct stat st;
  if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    RemoveTemp(temp);
    reason = "it is a folder";
    return false;
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    reason = Reason(errno);
    RemoveTemp(temp);
    return false;
  }
  return true;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& reason,
                        AtLink atLink) {
  struct stat st;
  if (atLink == AtLink::Refuse && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    reason = "it is a symbolic link";
    return false;
  }
  // Through a link the file it points to is replaced; the link stays.
  const std::string target = atLink == AtLink::Follow ? FollowLinks(path) : path;
  // A file the user may not write to stays, as a plain write would leave it.
  const bool replacing = ::stat(target.c_str(), &st) == 0;
  if (replacing) {
    // A FIFO or a device is no file to replace.
    if (!IsRegularFile(st, reason)) return false;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
      reason = Reason(errno);
      return false;
    }
  }
  Descriptor d;
  const std::string temp = CreateTempBeside(target, d, reason);
  if (temp.empty()) return false;
  errno = 0;  // a write that takes nothing sets none
  bool ok = true;
  while (ok && !bytes.empty()) {
    const ssize_t n = ::write(d.fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) bytes.remove_prefix(static_cast<size_t>(n));
  }
  // The new file keeps the permissions of the one it replaces.
  if (ok && replacing) ::fchmod(d.fd, st.st_mode & 07777);
  // A file that is replaced gets the new data on the disk before the rename
  // makes it the file's content, so that a crash leaves the old content or
  // the new, never an empty file. A new file has nothing to lose: it is not
  // waited for, which keeps a batch from queueing on the disk.
  ok = ok && (!replacing || ::fsync(d.fd) == 0);
  ok = ok && d.Close();
  if (!ok) {
    reason = Reason(errno ? errno : ENOSPC);
    RemoveTemp(temp);
    return false;
  }
  return ReplaceWithTemp(temp, target, reason);
}

}  // namespace base
