#include "base/profile.h"

namespace base {
namespace {

constexpr size_t npos = std::string::npos;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The name inside "[name]", or false when the line is no section header.
bool SectionName(std::string_view line, std::string_view& name) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return false;
  const size_t close = line.find(']');
  name = TrimBlanks(line.substr(1, close == npos ? npos : close - 1));
  return true;
}

// The key of a "key=value" line, or false when the line holds no "=".
bool KeyName(std::string_view line, std::string_view& key) {
  const size_t eq = line.find('=');
  if (eq == npos) return false;
  key = TrimBlanks(line.substr(0, eq));
  return true;
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool EndsWithName(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && SameName(text.substr(text.size() - ending.size()), ending);
}

Profile::Profile(std::string_view text) {
  // Editors that write UTF-8 may start the file with a byte order mark.
  bom_ = text.substr(0, 3) == kByteOrderMark;
  if (bom_) text.remove_prefix(3);
  // A line ends in CR LF, LF or CR alone (as some old editors write).
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    lines_.emplace_back(text.substr(0, end));
    if (end == npos) break;
    text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
  }
}

size_t Profile::FindSection(std::string_view section) const {
  std::string_view name;
  for (size_t i = 0; i < lines_.size(); ++i)
    if (SectionName(lines_[i], name) && SameName(name, section)) return i;
  return npos;
}

size_t Profile::FindKey(size_t header, std::string_view key) const {
  std::string_view name;
  for (size_t i = header + 1; i < lines_.size(); ++i) {
    if (SectionName(lines_[i], name)) break;
    if (KeyName(lines_[i], name) && SameName(name, key)) return i;
  }
  return npos;
}

bool Profile::HasSection(std::string_view section) const { return FindSection(section) != npos; }

std::string Profile::StrayText(std::string_view section) const {
  const size_t header = FindSection(section);
  if (header == npos) return {};
  std::string_view first, name;
  const auto note = [&](std::string_view text) {
    text = TrimBlanks(text);
    if (first.empty() && !text.empty() && text.front() != ';') first = text;
  };
  const std::string& head = lines_[header];
  if (const size_t close = head.find(']'); close != npos) note(std::string_view(head).substr(close + 1));
  for (size_t i = header + 1; i < lines_.size() && !SectionName(lines_[i], name); ++i) {
    if (KeyName(lines_[i], name)) return {};
    note(lines_[i]);
  }
  return std::string(first);
}

bool Profile::Has(std::string_view section, std::string_view key) const {
  const size_t header = FindSection(section);
  return header != npos && FindKey(header, key) != npos;
}

std::string Profile::Get(std::string_view section, std::string_view key, std::string_view fallback,
                         size_t maxChars) const {
  const size_t header = FindSection(section);
  const size_t at = header == npos ? npos : FindKey(header, key);
  std::string_view value = fallback;
  if (at != npos) {
    const std::string& line = lines_[at];
    value = TrimBlanks(std::string_view(line).substr(line.find('=') + 1));
  }
  return std::string(value.substr(0, maxChars));
}

void Profile::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string line;
  line.reserve(key.size() + 1 + value.size());
  line.append(key).append("=").append(value);
  const size_t header = FindSection(section);
  if (header == npos) {
    std::string header_line(1, '[');
    header_line.append(section).append(1, ']');
    lines_.push_back(std::move(header_line));
    lines_.push_back(std::move(line));
    return;
  }
  if (const size_t at = FindKey(header, key); at != npos) {
    lines_[at] = std::move(line);
    return;
  }
  // After the last line of the section that is not blank.
  size_t last = header;
  std::string_view name;
  for (size_t i = header + 1; i < lines_.size() && !SectionName(lines_[i], name); ++i)
    if (!TrimBlanks(lines_[i]).empty()) last = i;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), std::move(line));
}

std::string Profile::Text() const {
  size_t size = 0;
  for (const std::string& l : lines_) size += l.size() + 2;
  std::string out;
  out.reserve(size + 3);
  if (bom_) out = kByteOrderMark;
  for (const std::string& l : lines_) out.append(l).append("\r\n");
  return out;
}

}  // namespace base
