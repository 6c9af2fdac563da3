#pragma once
// Whole-file reading and writing for the program's own files. A write never
// leaves a half-written file behind: the new content goes into a temporary
// file in the target's folder, which then replaces the target in one rename.
// Failures come back as a short reason ("Permission denied", "it is a
// folder"). No Qt here.
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Reads the whole file into `out`. Fails on a missing or unreadable file, a
// folder, a FIFO or device (never waiting on one), or a file larger than
// `limit` bytes.
bool ReadWholeFile(const std::string& path, size_t limit, std::string& out, std::string& reason);

// Whether the path names a regular file that can be opened for reading.
bool CheckReadableFile(const std::string& path, std::string& reason);

// A descriptor of the regular file opened for reading (never waiting on a
// FIFO), which the caller closes; -1 and the reason when there is none.
int OpenReadableFile(const std::string& path, std::string& reason);

// Whether the path names an existing file system entry.
bool PathExists(const std::string& path);

// What a write does with a symbolic link in the target's place.
enum class AtLink {
  // The file it points to is replaced and the link stays: a name the user
  // chose, who knows where it leads.
  Follow,
  // Refused: a batch makes new files, and a link in a shared folder may have
  // been planted there to have the batch write over someone's file.
  Refuse,
};

// Writes `bytes` to a temporary file beside `target`, flushes it to the disk
// when `target` exists, and renames it over `target`. A link in the target's
// place is followed or refused as `atLink` says; a file the user may not
// write to, a folder, a FIFO or a device is refused. The temporary name fits
// the folder's name limit.
bool WriteFileReplacing(const std::string& target, std::string_view bytes, std::string& reason,
                        AtLink atLink = AtLink::Follow);

}  // namespace base
