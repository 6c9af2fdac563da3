#pragma once
// Profile files: the "[section]" and "key=value" text format of parameter
// files and printer.ini. Reading and writing work on the whole text in memory,
// so that a save can write the new file in one piece. No Qt here.
//
// Reading is forgiving: any bytes are accepted (NUL bytes, binary data, very
// long lines); a line that is neither a section header nor holds "=" is kept
// but means nothing. Section and key names are matched without regard to case
// (ASCII letters); the first matching section and, in it, the first matching
// key count. Lines may end in CR LF, LF or CR, and a UTF-8 byte order mark at the
// start is skipped (and written back); writing always ends lines with CR LF.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace base {

class Profile {
 public:
  Profile() = default;
  // The text of a profile file as it was read.
  explicit Profile(std::string_view text);

  // The value of the key, blanks (spaces and tabs) around it removed and cut to
  // its first maxChars characters; `fallback` when the section or the key is
  // missing.
  std::string Get(std::string_view section, std::string_view key, std::string_view fallback,
                  size_t maxChars) const;
  bool Has(std::string_view section, std::string_view key) const;
  bool HasSection(std::string_view section) const;
  // The first text of a section without any "key=value" line (after its
  // header, or a line without "="), which a reader would otherwise pass over
  // as if the section were empty; blanks and comments (";") do not count.
  // Empty when the section has a key line or nothing else.
  std::string StrayText(std::string_view section) const;

  // Writes "key=value": in place of the key's line when the section has it,
  // else after the section's last non-blank line; a missing section is added
  // at the end. Every other line stays as it was.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole file, each line ending in CR LF.
  std::string Text() const;

 private:
  // Index of the section's header line, or npos.
  size_t FindSection(std::string_view section) const;
  // Index of the key's line in the section starting at header, or npos.
  size_t FindKey(size_t header, std::string_view key) const;
  std::vector<std::string> lines_;
  bool bom_ = false;  // the text started with a UTF-8 byte order mark, kept when written
};

// Blanks (spaces and tabs) removed from both ends.
std::string_view TrimBlanks(std::string_view s);
// ASCII letters compared without regard to case.
bool SameName(std::string_view a, std::string_view b);
// True when `text` ends in `ending` in any case ("X.TRA" ends in ".tra").
bool EndsWithName(std::string_view text, std::string_view ending);

}  // namespace base
