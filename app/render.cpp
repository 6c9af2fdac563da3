#include "app/render.h"

#include <filesystem>
#include <iostream>
#include <sstream>

#include "app/batch.h"
#include "app/startup.h"
#include "base/settings_in_pictures.h"
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
  forms::ScriptedServices machine(r.width, r.height, 32);
  window::TrochelaMain w(machine);
  WireHandlers(w);
  Form_Load(w, r.seedGiven, r.seed);
  // Shown with the canvas focused, as a window starts: the load's focus
  // moves then run the same handlers.
  w.form.Show(false);
  w.Canvas.SetFocus();
  // The settings' text, from a parameter file or a picture that carries it,
  // goes into the picture as it stands.
  std::string settings, reason;
  if (!base::ReadSettingsText(parms, files::kMaxProfileBytes, settings, reason) ||
      !files::LoadParmsText(w, settings, reason)) {
    std::cerr << "trochela: cannot load " << parms << ": " << reason << "\n";
    return false;
  }
  engine::CmdDraw_Click(w);  // returns when the drawing has ended
  if (!forms::SaveCanvas(w.Canvas, out, r.antialias, settings)) {
    std::cerr << "trochela: cannot write " << out << "\n";
    return false;
  }
  return true;
}

}  // namespace

int RenderPictures(const RenderRequest& r) {
  if (r.outDir.empty()) {
    r.startToolkit();
    return RenderOne(r, r.parms.front(), r.out) ? 0 : 2;
  }
  const auto job = [&r](int i, std::string& said) {
    const std::filesystem::path name =
        std::filesystem::path(r.parms[i]).stem().string() + "." + r.format;
    const std::string out = (std::filesystem::path(r.outDir) / name).string();
    said = "[" + std::to_string(i + 1) + "/" + std::to_string(r.parms.size()) + "] " +
           r.parms[i] + " -> " + out + "\n";
    // The file's own messages follow its progress line.
    std::ostringstream messages;
    std::streambuf* const old = std::cerr.rdbuf(messages.rdbuf());
    const bool ok = RenderOne(r, r.parms[i], out);
    std::cerr.rdbuf(old);
    said += messages.str();
    return ok;
  };
  const int jobs = r.jobs > 0 ? r.jobs : DefaultJobs();
  return RunJobs(static_cast<int>(r.parms.size()), jobs, r.startToolkit, job) ? 0 : 2;
}

}  // namespace app
