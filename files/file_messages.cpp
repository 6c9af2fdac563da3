#include "files/file_messages.h"

#include "forms/services.h"

namespace files {

std::optional<std::string> WithEnding(std::optional<std::string> typed, const std::string& ending) {
  if (!typed || typed->empty()) return typed;
  const size_t name = typed->find_last_of('/') + 1;  // 0 when there is no folder
  if (name < typed->size() && typed->find('.', name) == std::string::npos) *typed += ending;
  return typed;
}

void TellFileFailure(forms::Services& services, const std::string& what, const std::string& path,
                     const std::string& reason) {
  // A control character (a CR from a file's line, say) would garble the
  // message: it shows as "?".
  std::string text = what + " \"" + path + "\": " + reason + ".";
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  services.ShowMessage(text);
}

}  // namespace files
