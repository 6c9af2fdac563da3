// Fuzz target: any bytes as a parameter file loaded into a window as Load
// Parms does. What the checker accepts, the window takes without a fault, Save
// Parms writes without a complaint, and the written file loads again.
#include <unistd.h>

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "app/startup.h"
#include "base/profile.h"
#include "files/parameter_file.h"
#include "files/parms_check.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

// One window for the whole run, as a user loads file after file.
struct Session {
  int argc = 1;
  char name[9] = "trochela";
  char* argv[2] = {name, nullptr};
  QApplication qapp{argc, argv};
  forms::ScriptedServices services{320, 200, 32};
  std::unique_ptr<window::TrochelaMain> started = app::StartWindow(services, 1);
  window::TrochelaMain& w = *started;
  const std::string saved = (std::filesystem::temp_directory_path() /
                             ("trochela-apply-fuzz-" + std::to_string(::getpid()) + ".tra"))
                                .string();
};

Session& TheSession() {
  static Session* s = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new Session;
  }();
  return *s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Session& s = TheSession();
  files::ParmsValues values;
  std::string reason;
  const base::Profile file(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!files::ReadParms(file, values, reason)) return 0;
  files::ApplyParms(s.w, values);
  std::filesystem::remove(s.saved);
  forms::DialogAnswer answer;
  answer.kind = forms::DialogAnswer::Kind::Save;
  answer.path = s.saved;
  s.services.Answer(answer);
  const size_t told = s.services.Messages().size();
  files::CmdSaveParms_Click(s.w);
  if (s.services.Messages().size() != told) __builtin_trap();
  if (!files::LoadParmsFile(s.w, s.saved, reason)) __builtin_trap();
  return 0;
}
