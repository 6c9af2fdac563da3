// A batch asked to stop: the drawing under way ends at its next yield and
// writes nothing, no other job starts, and the batch says so.
#include "app/batch.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "app/render.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "files/parms_check.h"

namespace {

TEST(Batch, SigtermStopsTheDrawingAndEveryLaterJob) {
  std::string settings, reason;
  ASSERT_TRUE(base::ReadWholeFile(TESTS_DIR "/parms/start.tra", 1 << 20, settings, reason));
  files::ParmsValues values;
  ASSERT_TRUE(files::ReadParms(base::Profile(settings), values, reason)) << reason;
  const std::string out = ::testing::TempDir() + "stopped.png";
  std::filesystem::remove(out);
  int started = 0;
  testing::internal::CaptureStderr();
  const bool done = app::RunJobs(4, 1, [&](int, std::string& said) {
    ++started;
    std::raise(SIGTERM);
    return app::RenderSettings(settings, values, 640, 480, false, out, false, said);
  });
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(done);
  EXPECT_EQ(started, 1);
  EXPECT_TRUE(app::StopAsked());
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_NE(told.find("stopped; 3 of 4 jobs not done"), std::string::npos) << told;
}

}  // namespace
