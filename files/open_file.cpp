#include "files/open_file.h"

#include <algorithm>
#include <cctype>

#include "files/image_files.h"
#include "files/parameter_file.h"
#include "window/trochela_main.h"

namespace files {

void OpenGivenFile(window::TrochelaMain& w, const std::string& path) {
  std::string ending = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const bool parms = ending == ".tra";
  if (!(parms ? w.CmdLoadParms : w.CmdOpen).Enabled()) return;
  if (parms)
    LoadParmsChosen(w, path);
  else
    LoadImageChosen(w, path);
  w.Canvas.SetFocus();
}

}  // namespace files
