#include "files/image_files.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/file_io.h"
#include "base/plot_layout.h"
#include "base/profile.h"
#include "drawing/plot_passes.h"
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
    {"Bitmap Files", ".bmp"},      {"PNG Files", ".png"},   {"SVG Files", ".svg"},
    {"Plotter SVG Files", ".svg"}, {"HPGL Files", ".hpgl"}, {"G-code Files", ".gcode"},
    {"Sand Table Files", ".thr"},  {"Animated WebP", ".webp"}, {"Animated GIF", ".gif"}};
constexpr int kSvgType = 3, kPlotterSvgType = 4;
// Endings that name a kind beside the types' own.
constexpr SaveType kOtherEndings[] = {{"HPGL Files", ".plt"}, {"G-code Files", ".nc"}};

// The type a name's ending gives (from 1), keeping `type` for an SVG
// (picture or plot); 0 for a name without a known ending.
int TypeOfName(const std::string& name, int type) {
  if (base::EndsWithName(name, ".svg")) return type == kPlotterSvgType ? type : kSvgType;
  for (size_t t = 0; t < std::size(kSaveTypes); ++t)
    if (base::EndsWithName(name, kSaveTypes[t].ending)) return static_cast<int>(t) + 1;
  for (const SaveType& o : kOtherEndings)
    if (base::EndsWithName(name, o.ending))
      for (size_t t = 0; t < std::size(kSaveTypes); ++t)
        if (std::string_view(kSaveTypes[t].description) == o.description) return static_cast<int>(t) + 1;
  return 0;
}

// A plot of the window's picture: drawn again from its settings on the
// canvas's screen, on the page the plot dialog gives (remembered while the
// program runs; at first A4 in the picture's orientation), written whole.
void SavePlot(window::TrochelaMain& w, const std::string& path, base::PlotKind kind,
              const std::string& settings) {
  base::PlotLayout layout;
  if (kind != base::PlotKind::SandTable) {
    const bool wide = w.Canvas.PixelWidth() > w.Canvas.PixelHeight();
    const auto chosen = w.services.ShowPlotPage(w.PlotPage.value_or(forms::PlotPageChoice{"A4", wide}));
    if (!chosen) return;
    const auto page = base::PageNamed(chosen->page);
    if (!page || !(chosen->margin >= 0 && 2 * chosen->margin < std::min(page->width, page->height)) ||
        !(chosen->pens >= 0 && chosen->pens <= base::kMostPens)) {
      TellFileFailure(w.services, "Cannot save the picture to", path,
                      "the page must be A5, A4, A3, A2, A1, letter, legal, tabloid or WxHmm, "
                      "with room inside its margins");
      return;
    }
    w.PlotPage = *chosen;
    layout.page = base::Oriented(*page, chosen->landscape);
    layout.margin = chosen->margin;
    layout.pens = chosen->pens;
  }
  std::string reason, summary;
  try {
    const base::Mapping& screen = w.Canvas.Mapping();
    // The drawings on the canvas, drawn again as they started: the window's
    // settings have moved on since (the scales a drawing wrote back, a pen
    // not reset).
    const std::vector<base::PlotPass> passes =
        w.Canvas.Lines().Segments() == 0 ? std::vector<base::PlotPass>{}
                                         : drawing::DrawPlotPasses(w.drawingsOnCanvas, screen);
    const std::string bytes =
        base::PlotFile(kind, passes, screen.width, screen.height, layout, settings, summary);
    if (base::WriteFileReplacing(path, bytes, reason)) return;
  } catch (const std::bad_alloc&) {
    reason = "out of memory";
  }
  TellFileFailure(w.services, "Cannot save the picture to", path, reason);
}

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
  if (TypeOfName(typed, type) != 0) return typed;
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
    w.SaveImageType = TypeOfName(*path, type) != 0 ? TypeOfName(*path, type) : type;
    w.ChosenFileName = *path;
    // A failed save leaves the old file whole.
    std::string reason;
    // PNG, SVG and plots carry the settings that draw the picture again, in
    // its pen colour.
    const base::PlotKind plot = base::PlotKindOfName(*path, w.SaveImageType == kPlotterSvgType);
    std::string settings, unused;
    if ((base::KindOfName(*path) != base::PictureKind::Bitmap || plot != base::PlotKind::None) &&
        ParmsText(w.picture, settings, unused))
      settings += PenColourSection(w.picture.pen);
    if (plot != base::PlotKind::None)
      SavePlot(w, *path, plot, settings);
    else if (!forms::SaveCanvas(w.Canvas, *path, false, settings, reason))
      TellFileFailure(w.services, "Cannot save the picture to", *path, reason);
  }
  w.Canvas.SetFocus();
}

}  // namespace files
