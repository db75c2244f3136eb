#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/MilliTimer.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

TEST(MilliTimerTests, RoundsToTheNearestMillisecondWithHalvesToEven) {
  EXPECT_EQ(RoundNanosecondsToMilliseconds(1'400'000), 1);
  EXPECT_EQ(RoundNanosecondsToMilliseconds(1'600'000), 2);
  EXPECT_EQ(RoundNanosecondsToMilliseconds(1'500'000), 2);
  EXPECT_EQ(RoundNanosecondsToMilliseconds(2'500'000), 2);
  EXPECT_EQ(RoundNanosecondsToMilliseconds(2'500'001), 3);
}

TEST(MilliTimerTests, ReadsThePlatformClock) {
  testing::FakePlatform platform;
  ClockSource clock(platform);
  const std::int32_t before = MilliTimer();
  platform.AdvanceMilliseconds(250);
  EXPECT_EQ(ElapsedMilliseconds(MilliTimer(), before), 250);
}

TEST(MilliTimerTests, DifferencesStayRightWhereThe32BitViewWraps) {
  testing::FakePlatform platform;
  ClockSource clock(platform);
  // 24.8 days in: the 32-bit count is about to turn negative.
  platform.SetNowNanoseconds(std::int64_t{std::numeric_limits<std::int32_t>::max() - 100} *
                             1'000'000);
  const std::int32_t before = MilliTimer();
  platform.AdvanceMilliseconds(300);
  const std::int32_t after = MilliTimer();
  EXPECT_LT(after, before);
  EXPECT_EQ(ElapsedMilliseconds(after, before), 300);
  EXPECT_EQ(MilliTimer64(), std::int64_t{std::numeric_limits<std::int32_t>::max()} + 200);
}

TEST(MilliTimerTests, ClockSourceRestoresThePreviousClock) {
  testing::FakePlatform outer;
  testing::FakePlatform inner;
  inner.SetNowNanoseconds(5'000'000'000);
  ClockSource outer_clock(outer);
  {
    ClockSource inner_clock(inner);
    EXPECT_EQ(MilliTimer64(), 5000);
  }
  EXPECT_EQ(MilliTimer64(), 1'000'000);
}

}  // namespace
}  // namespace tavlo
