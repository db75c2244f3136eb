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

TEST(DisplayModeTests, TheDeepestOffered800By600ModeIsTakenAndTheFormerOneGivenBack) {
  struct Case {
    DisplayMode Current;
    std::vector<DisplayMode> Offered;
    std::vector<DisplayMode> Changes;
  };
  const std::vector<Case> cases = {
      {kDesktop, {kDesktop, Mode(16), Mode(24), Mode(32)}, {Mode(32), kDesktop}},
      {kDesktop, {Mode(8), Mode(16), kDesktop}, {Mode(16), kDesktop}},
      {kDesktop, {Mode(4), kDesktop}, {Mode(4), kDesktop}},
      // The first listed mode of the size and depth, whatever its refresh rate.
      {kDesktop, {Mode(32, 75), Mode(32, 60), kDesktop}, {Mode(32, 75), kDesktop}},
      // Already in that mode: taken as set, and nothing to give back.
      {Mode(32), {Mode(32), kDesktop}, {}},
      {kDesktop, {kDesktop, DisplayMode{800, 480, 32, 60}, Mode(15)}, {}},
  };
  for (const Case& c : cases) {
    testing::FakePlatform platform;
    platform.CurrentMode = c.Current;
    platform.Modes = c.Offered;
    DisplayModeSwitch display(platform);
    EXPECT_EQ(display.SetProgramDisplayMode(), c.Current == Mode(32) || !c.Changes.empty());
    EXPECT_EQ(display.SavedDisplayMode, c.Current);
    display.RestoreDisplayMode();
    EXPECT_EQ(platform.ModeChanges, c.Changes) << c.Offered.size() << " modes offered";
  }
}

TEST(DisplayModeTests, NothingKeptIsNothingToGiveBackAndAForgottenRestoreStillHappens) {
  testing::FakePlatform platform;
  platform.CurrentMode = kDesktop;
  platform.Modes = {Mode(32), kDesktop};
  DisplayModeSwitch(platform).RestoreDisplayMode();
  EXPECT_TRUE(platform.ModeChanges.empty());
  { DisplayModeSwitch(platform).SetProgramDisplayMode(); }
  EXPECT_EQ(platform.ModeChanges, (std::vector<DisplayMode>{Mode(32), kDesktop}));
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
  EXPECT_DEATH(CrashWithTheDisplayChanged(), "display 1024x768x32");
}

class DisplayModeStartupTests : public testing::ProgramTest {};

TEST_F(DisplayModeStartupTests, TheDisplayChangesOnlyInFullScreenAndOnlyWhenTheUserAsks) {
  platform.CurrentMode = kDesktop;
  platform.Modes = {kDesktop, Mode(32)};
  for (const char* asked : {static_cast<const char*>(nullptr), "", "800X600", "800x600 "}) {
    screens.Desktop().FullScreen = FullScreenKindFrom(asked);
    ASSERT_EQ(InitialiseProgram(app, state, "", screens.Desktop()), StartUp::MenuReady);
    EXPECT_TRUE(platform.FullScreen);
    ShutDownProgram(app, state, screens.Desktop());
  }
  screens.Desktop().FullScreen = FullScreenKindFrom("800x600");
  ASSERT_EQ(InitialiseProgram(app, state, "window", screens.Desktop()), StartUp::MenuReady);
  EXPECT_TRUE(platform.ModeChanges.empty());

  ASSERT_EQ(InitialiseProgram(app, state, "", screens.Desktop()), StartUp::MenuReady);
  EXPECT_EQ(platform.CurrentMode, Mode(32));
  ShutDownProgram(app, state, screens.Desktop());
  EXPECT_EQ(platform.ModeChanges, (std::vector<DisplayMode>{Mode(32), kDesktop}));
  EXPECT_FALSE(platform.FullScreen);
}

}  // namespace
}  // namespace tavlo
