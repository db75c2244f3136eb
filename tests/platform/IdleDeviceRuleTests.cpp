#include "platform/IdleDeviceRule.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace tavlo {
namespace {

class IdleDeviceRuleTests : public ::testing::Test {
 protected:
  IdleDeviceRule::Advice Look(bool sounding) {
    return rule.Look(sounding, clock.MonotonicNanoseconds() / 1'000'000);
  }

  testing::FakePlatform clock;
  IdleDeviceRule rule;
};

TEST_F(IdleDeviceRuleTests, WhileSomethingSoundsTheDeviceStaysAndIsWatchedForTheEnd) {
  const auto advice = Look(true);
  EXPECT_FALSE(advice.Close);
  EXPECT_EQ(advice.LookAgainAfter, IdleDeviceRule::kLookWhileSoundingMilliseconds);
}

TEST_F(IdleDeviceRuleTests, TheDeviceClosesAfterItsSilenceHasLastedLongEnough) {
  EXPECT_EQ(Look(false).LookAgainAfter, IdleDeviceRule::kCloseAfterMilliseconds);
  clock.AdvanceMilliseconds(IdleDeviceRule::kCloseAfterMilliseconds - 1);
  const auto almost = Look(false);
  EXPECT_FALSE(almost.Close);
  EXPECT_EQ(almost.LookAgainAfter, 1);
  clock.AdvanceMilliseconds(1);
  EXPECT_TRUE(Look(false).Close);
}

TEST_F(IdleDeviceRuleTests, ASoundOrAReopeningStartsTheSilenceAfresh) {
  Look(false);
  clock.AdvanceMilliseconds(2000);
  Look(true);
  clock.AdvanceMilliseconds(100);
  Look(false);
  clock.AdvanceMilliseconds(2000);
  EXPECT_FALSE(Look(false).Close);

  rule.Reset();
  Look(false);
  clock.AdvanceMilliseconds(IdleDeviceRule::kCloseAfterMilliseconds - 1);
  EXPECT_FALSE(Look(false).Close);
}

}  // namespace
}  // namespace tavlo
