#include <gtest/gtest.h>

#include "engine/TextScale.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

TEST(TextScaleTests, ShrinksFontsOnlyForDesktopTextOf17PixelsOrMore) {
  EXPECT_DOUBLE_EQ(TextScaleForDesktopTextHeight(20), 0.8);
  EXPECT_DOUBLE_EQ(TextScaleForDesktopTextHeight(17), 16.0 / 17.0);
  EXPECT_DOUBLE_EQ(TextScaleForDesktopTextHeight(16), 1.0);
  EXPECT_DOUBLE_EQ(TextScaleForDesktopTextHeight(12), 1.0);
}

TEST(TextScaleTests, KeepsTheScaleWhenTheDesktopTextHeightIsUnknown) {
  testing::FakePlatform platform;
  double scale = 0.5;
  platform.TextHeight = std::nullopt;
  ComputeTextScale(platform, scale);
  EXPECT_DOUBLE_EQ(scale, 0.5);
  platform.TextHeight = 20;
  ComputeTextScale(platform, scale);
  EXPECT_DOUBLE_EQ(scale, 0.8);
}

}  // namespace
}  // namespace tavlo
