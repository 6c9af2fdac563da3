#pragma once
// The message a file command shows when a file cannot be used, and the
// ending a saved file's name gets when the user typed none.
#include <optional>
#include <string>

namespace forms {
class Services;
}

namespace files {

// Shows `what "path": reason.` (a message box on the desktop, a line on
// standard error headless).
void TellFileFailure(forms::Services& services, const std::string& what, const std::string& path,
                     const std::string& reason);

// The name a save dialog returned, with `ending` (".tra") added when its last
// part has no ending at all ("p1" saves as "p1.tra", "p1.txt" as typed).
std::optional<std::string> WithEnding(std::optional<std::string> typed, const std::string& ending);

}  // namespace files
