#include "platform/FramePacer.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace tavlo {
namespace {

class FramePacerTests : public ::testing::Test {
 protected:
  std::int64_t Now() { return clock.MonotonicNanoseconds(); }

  testing::FakePlatform clock;
  FramePacer pacer;
};

TEST_F(FramePacerTests, TheFirstPictureAndOnesAFrameApartAreShownAtOnce) {
  EXPECT_TRUE(pacer.Offer(Now()));
  pacer.Shown(Now());
  clock.AdvanceMilliseconds(17);
  EXPECT_TRUE(pacer.Offer(Now()));
  EXPECT_EQ(pacer.MillisecondsUntilDue(Now()), -1);
}

TEST_F(FramePacerTests, APictureOfferedTooSoonWaitsUntilItsFrameIsDueAndIsThenShownOnce) {
  pacer.Shown(Now());
  clock.AdvanceMilliseconds(5);
  EXPECT_FALSE(pacer.Offer(Now()));
  // A later picture replaces the waiting one; the frame stays where it was.
  clock.AdvanceMilliseconds(5);
  EXPECT_FALSE(pacer.Offer(Now()));
  EXPECT_FALSE(pacer.Due(Now()));
  EXPECT_EQ(pacer.MillisecondsUntilDue(Now()), 7);  // 16.7 ms after the last, rounded up

  clock.AdvanceMilliseconds(7);
  EXPECT_TRUE(pacer.Due(Now()));
  pacer.Shown(Now());
  EXPECT_FALSE(pacer.Due(Now() + FramePacer::kFrameNanoseconds));
  EXPECT_EQ(pacer.MillisecondsUntilDue(Now()), -1);
}

}  // namespace
}  // namespace tavlo
