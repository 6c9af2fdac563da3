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

// Writes `bytes` to a temporary file beside `target`, flushes it to the disk
// when `target` exists, and renames it over `target`. Through a link the file
// it points to is replaced; a file the user may not write to, a folder, a FIFO
// or a device is refused. The temporary name fits the folder's name limit.
bool WriteFileReplacing(const std::string& target, std::string_view bytes, std::string& reason);

}  // namespace base
