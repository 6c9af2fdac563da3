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

const char* const kBitmapFilter = "Bitmap Files (*.bmp)|*.bmp";

// The kinds Save Image offers, in the dialog's order: a bitmap first (the
// default), then the formats a bitmap cannot be: PNG, and SVG with the lines as
// vectors.
struct SaveType {
  const char* description;
  const char* ending;
};
constexpr SaveType kSaveTypes[] = {
    {"Bitmap Files", ".bmp"}, {"PNG Files", ".png"}, {"SVG Files", ".svg"}};

std::string SaveFilter() {
  std::string filter;
  for (const SaveType& t : kSaveTypes) {
    if (!filter.empty()) filter += '|';
    filter += std::string(t.description) + " (*" + t.ending + ")|*" + t.ending;
  }
  return filter;
}

// Every picture the program can read, BMP and PNG first, then a bitmap alone.
std::string OpenFilter() {
  std::string patterns = "*.bmp *.png";
  for (const std::string& e : forms::ReadablePictureEndings())
    if (e != "bmp" && e != "png") patterns += " *." + e;
  return "Pictures (" + patterns + ")|" + patterns + "|" + kBitmapFilter;
}

}  // namespace

std::string SaveImageName(const std::string& typed, int type) {
  for (const SaveType& t : kSaveTypes)
    if (base::EndsWithName(typed, t.ending)) return typed;
  if (type <= 1 || type > static_cast<int>(std::size(kSaveTypes))) return typed;
  return typed + kSaveTypes[type - 1].ending;
}

void CmdOpen_Click(window::TrochelaMain& w) {
  const auto path = w.services.ShowOpen({forms::kOpenDialog, w.services.CurrentFolder(), "Open", OpenFilter()});
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
    TellFileFailure(w, "Cannot load the picture", path, reason);
}

void CmdSave_Click(window::TrochelaMain& w) {
  int type = 1;
  const auto typed =
      w.services.ShowSave({forms::kSaveDialog, w.services.CurrentFolder(), "Save", SaveFilter(), &type});
  if (typed && typed->empty()) return;
  if (typed) {
    const auto path = std::optional<std::string>(SaveImageName(*typed, type));
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
      TellFileFailure(w, "Cannot save the picture to", *path, reason);
  }
  w.Canvas.SetFocus();
}

}  // namespace files
