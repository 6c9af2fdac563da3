#include "files/open_file.h"

#include "base/profile.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "window/trochela_main.h"

namespace files {

void OpenGivenFile(window::TrochelaMain& w, const std::string& path) {
  const bool parms = base::EndsWithName(path, ".tra");
  if (!(parms ? w.CmdLoadParms : w.CmdOpen).Enabled()) return;
  if (parms)
    LoadParmsChosen(w, path);
  else
    LoadImageChosen(w, path);
  w.Canvas.SetFocus();
}

}  // namespace files
