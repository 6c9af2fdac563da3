#include "files/image_files.h"

#include <memory>
#include <string>
#include <utility>

#include "base/file_io.h"
#include "forms/picture_export.h"
#include "window/trochela_main.h"

namespace files {
namespace {

const char* const kOpenFilter = "Bitmap Files (*.bmp)|*.bmp";
// Bitmap first and chosen by default; the name's ending decides the format.
const char* const kSaveFilter =
    "Bitmap Files (*.bmp)|*.bmp|PNG Files (*.png)|*.png|SVG Files (*.svg)|*.svg";

void Tell(window::TrochelaMain& w, const std::string& what, const std::string& path,
          const std::string& reason) {
  w.machine.ShowMessage(what + " \"" + path + "\": " + reason + ".");
}

}  // namespace

void CmdOpen_Click(window::TrochelaMain& w) {
  const auto path = w.machine.ShowOpen({4, w.machine.CurrentFolder(), "Open", kOpenFilter});
  if (path && path->empty()) return;
  if (path) {
    w.ChosenFileName = *path;
    std::string reason;
    if (!base::CheckReadableFile(*path, reason)) {
      Tell(w, "Cannot load the picture", *path, reason);
    } else if (auto image = w.machine.LoadPicture(*path)) {
      w.Canvas.SetPicture(forms::Picture{std::make_shared<base::Image>(std::move(*image))});
    } else {
      Tell(w, "Cannot load the picture", *path, "it is not a picture file");
    }
  }
  w.Canvas.SetFocus();
}

bool SaveCanvasPicture(window::TrochelaMain& w, const std::string& path, std::string& reason,
                       bool antialias) {
  // The picture goes into a new file beside the old one first, which then
  // takes the old one's place: a failed save leaves the old file whole.
  const std::string temp = base::CreateTempBeside(path, reason);
  if (temp.empty()) return false;
  if (!forms::SaveCanvas(w.Canvas, temp, antialias)) {
    base::RemoveTemp(temp);
    reason = "the picture could not be written";
    return false;
  }
  return base::ReplaceWithTemp(temp, path, reason);
}

void CmdSave_Click(window::TrochelaMain& w) {
  const auto path = w.machine.ShowSave({6, w.machine.CurrentFolder(), "Save", kSaveFilter});
  if (path && path->empty()) return;
  if (path) {
    w.ChosenFileName = *path;
    std::string reason;
    if (!SaveCanvasPicture(w, *path, reason)) Tell(w, "Cannot save the picture to", *path, reason);
  }
  w.Canvas.SetFocus();
}

}  // namespace files
