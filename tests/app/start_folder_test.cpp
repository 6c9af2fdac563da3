// Start-up from a working folder that has been deleted: the program starts
// with no start folder instead of failing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/startup.h"
#include "forms/scripted_services.h"
#include "window/trochela_main.h"

namespace {

TEST(StartFolder, DeletedWorkingFolderCountsAsNone) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::string gone = (std::filesystem::temp_directory_path() / "trochela-gone-XXXXXX").string();
  ASSERT_NE(mkdtemp(gone.data()), nullptr);
  ASSERT_EQ(chdir(gone.c_str()), 0);
  std::filesystem::remove(gone);

  forms::ScriptedServices services(640, 480, 32);
  const auto w = app::StartWindow(services, 1);
  EXPECT_EQ(w->StartFolder, "");
  // A file dialog's answer still makes its folder the current one.
  forms::DialogAnswer answer;
  answer.kind = forms::DialogAnswer::Kind::Open;
  answer.path = before.string() + "/x.tra";
  services.Answer(answer);
  EXPECT_TRUE(services.ShowOpen({}));
  EXPECT_EQ(services.CurrentFolder(), before.string());
  std::filesystem::current_path(before);
}

}  // namespace
