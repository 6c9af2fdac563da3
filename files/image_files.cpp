#include "files/image_files.h"

#include <memory>
#include <string>
#include <utility>

#include "files/file_messages.h"
#include "forms/picture_export.h"
#include "window/trochela_main.h"

namespace files {
namespace {

const char* const kFilter = "Bitmap Files (*.bmp)|*.bmp";
// Save also offers the formats a bitmap cannot be: PNG, and SVG with the
// lines as vectors.
const char* const kSaveFilter =
    "Bitmap Files (*.bmp)|*.bmp|PNG Files (*.png)|*.png|SVG Files (*.svg)|*.svg";

}  // namespace

void CmdOpen_Click(window::TrochelaMain& w) {
  const auto path = w.machine.ShowOpen({4, w.machine.CurrentFolder(), "Open", kFilter});
  if (path && path->empty()) return;
  if (path) {
    w.ChosenFileName = *path;
    std::string reason;
    if (auto image = w.machine.LoadPicture(*path, reason))
      w.Canvas.SetPicture(forms::Picture{std::make_shared<base::Image>(std::move(*image))});
    else
      TellFileFailure(w, "Cannot load the picture", *path, reason);
  }
  w.Canvas.SetFocus();
}

void CmdSave_Click(window::TrochelaMain& w) {
  const auto path = w.machine.ShowSave({6, w.machine.CurrentFolder(), "Save", kSaveFilter});
  if (path && path->empty()) return;
  if (path) {
    w.ChosenFileName = *path;
    // A failed save leaves the old file whole.
    std::string reason;
    if (!forms::SaveCanvas(w.Canvas, *path, false, reason))
      TellFileFailure(w, "Cannot save the picture to", *path, reason);
  }
  w.Canvas.SetFocus();
}

}  // namespace files
