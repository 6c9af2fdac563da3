// The splash pause's clock: seconds since midnight, which wraps to 0.
#include <gtest/gtest.h>

#include "base/clock.h"

namespace {

TEST(SplashClock, ElapsedWithinADayAndAcrossMidnight) {
  EXPECT_DOUBLE_EQ(base::ElapsedSeconds(100.0, 102.5), 2.5);
  EXPECT_DOUBLE_EQ(base::ElapsedSeconds(100.0, 100.0), 0.0);
  EXPECT_DOUBLE_EQ(base::ElapsedSeconds(86399.0, 0.0), 1.0);
  EXPECT_DOUBLE_EQ(base::ElapsedSeconds(86398.5, 1.5), 3.0);
}

}  // namespace
