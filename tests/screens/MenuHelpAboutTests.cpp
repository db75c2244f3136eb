#include <gtest/gtest.h>

#include <regex>

#include "platform/InputEvent.h"
#include "support/ProgramTest.h"

namespace tavlo {
namespace {

class MenuHelpAboutTests : public testing::ProgramTest {
 protected:
  // Pixels in the rectangle that differ from the screen's background picture.
  int InkIn(Form& form, const Surface& background, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        ink += form.Picture().GetPixel(x, y) != background.GetPixel(x, y);
      }
    }
    return ink;
  }
};

TEST_F(MenuHelpAboutTests, AnOddLastHelpLineStandsAloneInTheLeftColumn) {
  testing::WriteLines(program / "lang/eng/help.txt", {"Alpha", "does a", "Omega"});
  StartProgram();
  app.Show(screens.Help());
  const Surface background = Surface::Load(program / "gfx/menu/helpmenu.gif");
  MenuHelpForm& help = screens.Help();
  // Lines of 16 points are about 25 pixels apart from y = 30.
  EXPECT_GT(InkIn(help, background, 170, 30, 250, 52), 20);
  EXPECT_GT(InkIn(help, background, 262, 30, 600, 52), 20);
  EXPECT_GT(InkIn(help, background, 170, 56, 250, 78), 20);
  EXPECT_EQ(InkIn(help, background, 262, 56, 600, 78), 0);
  Press(keys::kA);
  EXPECT_FALSE(screens.Help().IsLoaded());
}

TEST_F(MenuHelpAboutTests, TheAboutScreenShowsThisBuildsVersionAndItsStopButtonCloses) {
  platform.Sound.SetLength("click.wav", 500);
  StartProgram();
  app.Show(screens.About());
  EXPECT_TRUE(std::regex_match(screens.About().VersionLine(), std::regex(R"(Version \d+\.\d+\.\d+)")))
      << screens.About().VersionLine();
  const std::int64_t before = MilliTimer64();
  Click(screens.About().StopButton());
  EXPECT_FALSE(screens.About().IsLoaded());
  // The click is not waited for.
  EXPECT_LT(MilliTimer64() - before, 200);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "click.wav");
}

TEST_F(MenuHelpAboutTests, AHeadingTooWideForTheCardIsShrunk) {
  testing::WriteLines(program / "lang/eng/menu.txt",
                      {"Tavlo, the reading program for every child in the class"});
  StartProgram();
  app.Show(screens.About());
  int left = 800;
  int right = 0;
  for (int y = 10; y < 70; ++y) {
    for (int x = 0; x < 800; ++x) {
      if (screens.About().Picture().GetPixel(x, y) != RGB(0, 114, 188)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_LT(right - left, 661);
  EXPECT_GT(right - left, 560);
}

}  // namespace
}  // namespace tavlo
