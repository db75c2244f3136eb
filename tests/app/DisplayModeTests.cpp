#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

#include "app/DisplayMode.h"
#include "app/Startup.h"
#include "support/FakePlatform.h"
#include "support/ProgramTest.h"

namespace tavlo {
namespace {

const DisplayMode kDesktop{1024, 768, 32, 60};

DisplayMode Mode(int bits, int refresh = 60) { return DisplayMode{800, 600, bits, refresh}; }

class DisplayModeTests : public ::testing::Test {
 protected:
  DisplayModeTests() { platform.CurrentMode = kDesktop; }
  testing::FakePlatform platform;
};

TEST_F(DisplayModeTests, TheDeepestOffered800By600ModeIsTakenAndGivenBackAtTheEnd) {
  struct Case {
    std::vector<DisplayMode> Offered;
    std::optional<DisplayMode> Taken;
  };
  const std::vector<Case> cases = {
      {{kDesktop, Mode(16), Mode(24), Mode(32)}, Mode(32)},
      {{Mode(8), Mode(16), kDesktop}, Mode(16)},
      {{Mode(4)}, Mode(4)},
      // The first listed mode of the size and depth, whatever its refresh rate.
      {{Mode(32, 75), Mode(32, 60)}, Mode(32, 75)},
      {{kDesktop, DisplayMode{800, 480, 32, 60}, Mode(15)}, std::nullopt},
  };
  for (const Case& c : cases) {
    platform.Modes = c.Offered;
    platform.Modes.push_back(kDesktop);
    platform.CurrentMode = kDesktop;
    platform.ModeChanges.clear();
    {
      DisplayModeSwitch display(platform);
      EXPECT_EQ(display.SetProgramDisplayMode(), c.Taken.has_value());
      EXPECT_EQ(display.SavedDisplayMode, kDesktop);
      display.RestoreDisplayMode();
    }
    std::vector<DisplayMode> expected;
    if (c.Taken) expected = {*c.Taken, kDesktop};
    EXPECT_EQ(platform.ModeChanges, expected) << c.Offered.size() << " modes offered";
  }
}

TEST_F(DisplayModeTests, ADisplayAlreadyAt800By600ChangesNeitherAtTheStartNorAtTheEnd) {
  platform.CurrentMode = Mode(32);
  platform.Modes = {Mode(32), kDesktop};
  DisplayModeSwitch display(platform);
  EXPECT_TRUE(display.SetProgramDisplayMode());
  display.RestoreDisplayMode();
  EXPECT_TRUE(platform.ModeChanges.empty());
}

TEST_F(DisplayModeTests, NothingKeptMeansNothingToGiveBack) {
  platform.Modes = {Mode(32), kDesktop};
  DisplayModeSwitch display(platform);
  display.RestoreDisplayMode();
  EXPECT_TRUE(platform.ModeChanges.empty());
}

TEST_F(DisplayModeTests, TheDisplayIsGivenBackWhenTheSwitchGoesWithoutARestore) {
  platform.Modes = {Mode(32), kDesktop};
  { DisplayModeSwitch(platform).SetProgramDisplayMode(); }
  EXPECT_EQ(platform.CurrentMode, kDesktop);
}

// Says every change of the display on the error output, where a death test
// can see what a dying process did.
class TellingPlatform : public testing::FakePlatform {
 public:
  bool ChangeDisplayMode(const DisplayMode& mode) override {
    std::fprintf(stderr, "display %dx%dx%d\n", mode.Width, mode.Height, mode.BitsPerPixel);
    return FakePlatform::ChangeDisplayMode(mode);
  }
};

// Changes the display, then dies as a crashing program does.
void CrashWithTheDisplayChanged() {
  TellingPlatform platform;
  platform.CurrentMode = kDesktop;
  platform.Modes = {Mode(32), kDesktop};
  DisplayModeSwitch display(platform);
  display.SetProgramDisplayMode();
  std::raise(SIGSEGV);
}

TEST(DisplayModeDeathTests, ACrashGivesTheChangedDisplayBack) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(CrashWithTheDisplayChanged(), "display 800x600x32\ndisplay 1024x768x32");
}

TEST(FullScreenKindTests, OnlyTheExactSizeAsksForAChangeOfTheDisplayMode) {
  EXPECT_EQ(FullScreenKindFrom("800x600"), FullScreenKind::DisplayModeChange);
  for (const char* value : {static_cast<const char*>(nullptr), "", "800X600", "1", "800x600 "}) {
    EXPECT_EQ(FullScreenKindFrom(value), FullScreenKind::ScaledPicture)
        << (value ? value : "unset");
  }
}

// Start-up and the end of the run on the whole program.
class DisplayModeStartupTests : public testing::ProgramTest {
 protected:
  DisplayModeStartupTests() {
    platform.CurrentMode = kDesktop;
    platform.Modes = {kDesktop, Mode(32)};
  }
};

TEST_F(DisplayModeStartupTests, FullScreenScalesThePictureUnlessTheUserAskedForTheChange) {
  ASSERT_TRUE(InitialiseProgram(app, state, "", screens.Desktop()));
  EXPECT_TRUE(platform.FullScreen);
  EXPECT_TRUE(platform.ModeChanges.empty());
  ShutDownProgram(app, state, screens.Desktop());
  EXPECT_TRUE(platform.ModeChanges.empty());
  EXPECT_FALSE(platform.FullScreen);
}

TEST_F(DisplayModeStartupTests, AskedForTheDisplayChangesForTheRunButNeverInAWindow) {
  screens.Desktop().FullScreen = FullScreenKind::DisplayModeChange;
  ASSERT_TRUE(InitialiseProgram(app, state, "window", screens.Desktop()));
  EXPECT_TRUE(platform.ModeChanges.empty());

  ASSERT_TRUE(InitialiseProgram(app, state, "", screens.Desktop()));
  EXPECT_EQ(platform.CurrentMode, Mode(32));
  ShutDownProgram(app, state, screens.Desktop());
  EXPECT_EQ(platform.ModeChanges, (std::vector<DisplayMode>{Mode(32), kDesktop}));
}

}  // namespace
}  // namespace tavlo
