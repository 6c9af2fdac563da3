#include "files/file_messages.h"

#include "window/trochela_main.h"

namespace files {

void TellFileFailure(window::TrochelaMain& w, const std::string& what, const std::string& path,
                     const std::string& reason) {
  w.services.ShowMessage(what + " \"" + path + "\": " + reason + ".");
}

}  // namespace files
