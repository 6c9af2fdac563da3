// The splash pause's clock: seconds since midnight, which wraps to 0.
#include <gtest/gtest.h>

#include "app/splash.h"

namespace {

using app::ElapsedSeconds;

TEST(SplashClock, ElapsedWithinOneDay) {
  EXPECT_DOUBLE_EQ(ElapsedSeconds(100.0, 100.0), 0.0);
  EXPECT_DOUBLE_EQ(ElapsedSeconds(100.0, 102.5), 2.5);
  EXPECT_DOUBLE_EQ(ElapsedSeconds(0.0, 3.0), 3.0);
}

TEST(SplashClock, ElapsedAcrossMidnight) {
  EXPECT_DOUBLE_EQ(ElapsedSeconds(86399.0, 0.0), 1.0);
  EXPECT_DOUBLE_EQ(ElapsedSeconds(86398.5, 1.5), 3.0);
  EXPECT_NEAR(ElapsedSeconds(86399.9, 0.05), 0.15, 1e-9);
}

// The pause's loop as it runs against a clock: it ends after exactly the
// first reading that is 3 s past the start, also when the clock wraps.
int ReadingsUntilDone(double start, double step, double seconds) {
  double now = start;
  int readings = 0;
  do {
    now += step;
    if (now >= app::kSecondsPerDay) now -= app::kSecondsPerDay;
    ++readings;
  } while (ElapsedSeconds(start, now) < seconds);
  return readings;
}

TEST(SplashClock, PauseEndsAfterItsTime) {
  EXPECT_EQ(ReadingsUntilDone(1000.0, 0.25, 3.0), 12);
  EXPECT_EQ(ReadingsUntilDone(86398.0, 0.25, 3.0), 12);
  EXPECT_EQ(ReadingsUntilDone(86399.75, 0.25, 3.0), 12);
}

}  // namespace
