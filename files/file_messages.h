#pragma once
// The message a file command shows when a file cannot be used.
#include <string>

namespace window {
struct TrochelaMain;
}

namespace files {

// Shows `what "path": reason.` (a message box on the desktop, a line on
// standard error headless).
void TellFileFailure(window::TrochelaMain& w, const std::string& what, const std::string& path,
                     const std::string& reason);

}  // namespace files
