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
// folder, or a file larger than `limit` bytes.
bool ReadWholeFile(const std::string& path, size_t limit, std::string& out, std::string& reason);

// Whether the path names a regular file that can be opened for reading. Reading
// never waits: a FIFO, a device or a folder is refused.
bool CheckReadableFile(const std::string& path, std::string& reason);

// Whether the path names an existing file system entry.
bool PathExists(const std::string& path);

// Creates an empty file with a new name in the folder of `target`; its name
// ends in the target's own name, so that its extension is the same. Returns
// the empty string and a reason when the folder takes no new file.
std::string CreateTempBeside(const std::string& target, std::string& reason);

// Puts `temp` in the place of `target` in one step; on failure removes `temp`
// and leaves `target` as it was.
bool ReplaceWithTemp(const std::string& temp, const std::string& target, std::string& reason);

// The file a chain of symbolic links ends at (the path itself when it is no
// link; a dangling link's missing target).
std::string FollowLinks(const std::string& path);

// Removes a temporary file that is no longer wanted.
void RemoveTemp(const std::string& temp);

// Writes `bytes` to a temporary file beside `target`, flushes it to the disk
// and renames it over `target`. Through a symbolic link the file it points to
// is replaced; a file the user may not write to is refused.
bool WriteFileReplacing(const std::string& target, std::string_view bytes, std::string& reason);

}  // namespace base
