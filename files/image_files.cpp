#include "files/image_files.h"

#include <cctype>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "files/file_messages.h"
#include "files/parameter_file.h"
#include "files/pen_colour_section.h"
#include "forms/picture_export.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace files {
namespace {

// The kinds Save Image offers, in the dialog's order: a bitmap first (the
// default), then the formats a bitmap cannot be: PNG, SVG with the lines as
// vectors, and the lines drawn again as an animation (base/animation.h).
struct SaveType {
  const char* description;
  const char* ending;
};
constexpr SaveType kSaveTypes[] = {
    {"Bitmap Files", ".bmp"}, {"PNG Files", ".png"}, {"SVG Files", ".svg"},
    {"Animated WebP", ".webp"}, {"Animated GIF", ".gif"}};

std::string SaveFilter() {
  std::string filter;
  for (const SaveType& t : kSaveTypes) {
    if (!filter.empty()) filter += '|';
    filter += std::string(t.description) + " (*" + t.ending + ")|*" + t.ending;
  }
  return filter;
}

// The pictures Load Image takes (forms::LoadPictureFile), then a bitmap alone.
const char* const kOpenFilter =
    "Pictures (*.bmp *.png *.jpg *.jpeg *.gif)|*.bmp *.png *.jpg *.jpeg *.gif|Bitmap Files "
    "(*.bmp)|*.bmp";

}  // namespace

std::string SaveImageName(const std::string& typed, int type) {
  for (const SaveType& t : kSaveTypes)
    if (base::EndsWithName(typed, t.ending)) return typed;
  if (type <= 1 || type > static_cast<int>(std::size(kSaveTypes))) return typed;
  return typed + kSaveTypes[type - 1].ending;
}

void CmdOpen_Click(window::TrochelaMain& w) {
  const auto path =
      w.services.ShowOpen({forms::kOpenDialog, w.services.CurrentFolder(), "Open", kOpenFilter});
  if (path && path->empty()) return;
  if (path) LoadImageChosen(w, *path);
  w.Canvas.SetFocus();
}

void LoadImageChosen(window::TrochelaMain& w, const std::string& path) {
  w.ChosenFileName = path;
  std::string reason;
  if (auto image = w.services.LoadPicture(path, reason))
    w.Canvas.SetPicture(forms::Picture{std::make_shared<base::Image>(std::move(*image))});
  else
    TellFileFailure(w.services, "Cannot load the picture", path, reason);
}

void CmdSave_Click(window::TrochelaMain& w) {
  // The dialog opens on the type last saved.
  int type = w.SaveImageType;
  const auto typed =
      w.services.ShowSave({forms::kSaveDialog, w.services.CurrentFolder(), "Save", SaveFilter(), &type});
  if (typed && typed->empty()) return;
  if (typed) {
    const auto path = std::optional<std::string>(SaveImageName(*typed, type));
    w.SaveImageType = type;
    for (size_t t = 0; t < std::size(kSaveTypes); ++t)
      if (base::EndsWithName(*path, kSaveTypes[t].ending)) w.SaveImageType = static_cast<int>(t) + 1;
    w.ChosenFileName = *path;
    // A failed save leaves the old file whole.
    std::string reason;
    // PNG and SVG carry the settings that draw the picture again, in its
    // pen colour.
    std::string settings, unused;
    if (base::KindOfName(*path) != base::PictureKind::Bitmap &&
        ParmsText(w.picture, settings, unused))
      settings += PenColourSection(w.picture.pen);
    if (!forms::SaveCanvas(w.Canvas, *path, false, settings, reason))
      TellFileFailure(w.services, "Cannot save the picture to", *path, reason);
  }
  w.Canvas.SetFocus();
}

}  // namespace files
