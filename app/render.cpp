#include "app/render.h"

#include <filesystem>
#include <iostream>

#include "app/startup.h"
#include "engine/draw_driver.h"
#include "files/image_files.h"
#include "files/parameter_file.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace app {
namespace {

// One picture: a window of its own, so that nothing carries over from the
// file before. False after the message was shown.
bool RenderOne(const RenderJob& job, const std::string* parms, const std::string& out) {
  forms::ScriptedServices machine(job.width, job.height, 32);
  TrochelaMain w(machine);
  WireHandlers(w);
  Form_Load(w, job.seedGiven, job.seed);
  w.form.Show(false);
  w.Canvas.SetFocus();
  if (parms) {
    forms::DialogAnswer a;
    a.kind = forms::DialogAnswer::Kind::Open;
    a.path = *parms;
    machine.Answer(a);
    files::CmdLoadParms_Click(w);
    if (!machine.Messages().empty()) return false;  // already told
  }
  // Draw runs to its end before it returns (its yields run no user input here).
  w.CmdDraw.SetFocus();
  engine::CmdDraw_Click(w);
  std::string reason;
  if (!files::SaveCanvasPicture(w, out, reason, job.antialias)) {
    machine.ShowMessage("Cannot save the picture to \"" + out + "\": " + reason + ".");
    return false;
  }
  return true;
}

}  // namespace

int RenderParameterFiles(const RenderJob& given) {
  namespace fs = std::filesystem;
  // The load moves the current folder to the file's folder, as an accepted
  // file dialog does: every path is taken from where the program started.
  RenderJob job = given;
  for (std::string& p : job.parms) p = fs::absolute(p).string();
  if (!job.out.empty()) job.out = fs::absolute(job.out).string();
  if (!job.outDir.empty()) job.outDir = fs::absolute(job.outDir).string();
  if (job.outDir.empty()) {
    if (job.parms.size() > 1) {
      std::cerr << "trochela: several parameter files need --out-dir\n";
      return 2;
    }
    return RenderOne(job, job.parms.empty() ? nullptr : &job.parms[0], job.out) ? 0 : 2;
  }
  for (size_t i = 0; i < job.parms.size(); ++i) {
    const std::string& parms = job.parms[i];
    const std::string out =
        (fs::path(job.outDir) / fs::path(parms).stem()).string() + job.outExtension;
    std::cerr << "trochela: " << i + 1 << "/" << job.parms.size() << " " << parms << " -> " << out
              << std::endl;
    if (!RenderOne(job, &parms, out)) return 2;
  }
  return 0;
}

}  // namespace app
