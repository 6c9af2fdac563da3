#include "files/file_messages.h"

#include "window/trochela_main.h"

namespace files {

void TellFileFailure(window::TrochelaMain& w, const std::string& what, const std::string& path,
                     const std::string& reason) {
  // A control character (a CR from a file's line, say) would garble the
  // message: it shows as "?".
  std::string text = what + " \"" + path + "\": " + reason + ".";
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  w.services.ShowMessage(text);
}

}  // namespace files
