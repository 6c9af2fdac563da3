#include "app/render.h"

#include <filesystem>
#include <iostream>

#include "app/startup.h"
#include "engine/draw_driver.h"
#include "files/parameter_file.h"
#include "forms/picture_export.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace app {
namespace {

// One picture: a fresh window, as if the program had just started, loads the
// file and draws it.
bool RenderOne(const RenderRequest& r, const std::string& parms, const std::string& out) {
  forms::ScriptedServices services(r.width, r.height, 32);
  window::TrochelaMain w(services);
  WireHandlers(w);
  Form_Load(w, r.seedGiven, r.seed);
  // Shown with the canvas focused, as a window starts: the load's focus
  // moves then run the same handlers.
  w.form.Show(false);
  w.Canvas.SetFocus();
  std::string reason;
  if (!files::LoadParmsFile(w, parms, reason)) {
    std::cerr << "trochela: cannot load " << parms << ": " << reason << "\n";
    return false;
  }
  engine::CmdDraw_Click(w);  // returns when the drawing has ended
  if (!forms::SaveCanvas(w.Canvas, out, r.antialias)) {
    std::cerr << "trochela: cannot write " << out << "\n";
    return false;
  }
  return true;
}

}  // namespace

int RenderPictures(const RenderRequest& r) {
  if (r.outDir.empty()) return RenderOne(r, r.parms.front(), r.out) ? 0 : 2;
  int code = 0;
  for (size_t i = 0; i < r.parms.size(); ++i) {
    const std::filesystem::path name =
        std::filesystem::path(r.parms[i]).stem().string() + "." + r.format;
    const std::string out = (std::filesystem::path(r.outDir) / name).string();
    std::cerr << "[" << i + 1 << "/" << r.parms.size() << "] " << r.parms[i] << " -> " << out
              << "\n";
    if (!RenderOne(r, r.parms[i], out)) code = 2;
  }
  return code;
}

}  // namespace app
