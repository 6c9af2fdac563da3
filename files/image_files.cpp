#include "files/image_files.h"

#include <memory>
#include <string>
#include <utility>

#include "base/file_io.h"
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
  const auto path = w.services.ShowOpen({4, w.services.CurrentFolder(), "Open", kFilter});
  if (path && path->empty()) return;
  if (path) {
    w.ChosenFileName = *path;
    std::string reason;
    if (!base::CheckReadableFile(*path, reason)) {
      TellFileFailure(w, "Cannot load the picture", *path, reason);
    } else if (auto image = w.services.LoadPicture(*path)) {
      w.Canvas.SetPicture(forms::Picture{std::make_shared<base::Image>(std::move(*image))});
    } else {
      TellFileFailure(w, "Cannot load the picture", *path, "it is not a picture file");
    }
  }
  w.Canvas.SetFocus();
}

void CmdSave_Click(window::TrochelaMain& w) {
  const auto path = w.services.ShowSave({6, w.services.CurrentFolder(), "Save", kSaveFilter});
  if (path && path->empty()) return;
  if (path) {
    w.ChosenFileName = *path;
    std::string reason;
    if (forms::FormatOfPath(*path) == forms::PictureFormat::Svg) {
      if (!base::WriteFileReplacing(*path, forms::CanvasSvg(w.Canvas), reason))
        TellFileFailure(w, "Cannot save the picture to", *path, reason);
      w.Canvas.SetFocus();
      return;
    }
    // The picture goes into a new file beside the old one first, which then
    // takes the old one's place: a failed save leaves the old file whole.
    const std::string temp = base::CreateTempBeside(*path, reason);
    if (temp.empty()) {
      TellFileFailure(w, "Cannot save the picture to", *path, reason);
    } else if (!w.services.SavePicture(w.Canvas.Raster(), temp)) {
      base::RemoveTemp(temp);
      TellFileFailure(w, "Cannot save the picture to", *path, "the picture could not be written");
    } else if (!base::ReplaceWithTemp(temp, *path, reason)) {
      TellFileFailure(w, "Cannot save the picture to", *path, reason);
    }
  }
  w.Canvas.SetFocus();
}

}  // namespace files
