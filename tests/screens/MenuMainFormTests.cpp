#include <gtest/gtest.h>

#include <algorithm>

#include "support/ProgramTest.h"

namespace tavlo {
namespace {

// A stand-in game screen: it records that it was shown, and can come back to
// the menu during its load, as a game does whose word list will not load.
class StandInGame : public Form {
 public:
  StandInGame(Application& app, Form& menu, bool fails) : Form(app), menu_(menu), fails_(fails) {}
  void Form_Load() override {
    ++Loads;
    if (fails_) {
      App().Show(menu_);
      Unload();
    }
  }
  int Loads = 0;

 private:
  Form& menu_;
  bool fails_;
};

class MenuMainFormTests : public testing::ProgramTest {
 protected:
  // Starts the menu in a window, with the profile as configure leaves it; the
  // title animation is over unless asked.
  void Start(bool title_shown = true, const std::function<void(ProfileStore&)>& configure = {}) {
    StartProgram(configure, title_shown ? Title::Over : Title::Running);
  }

  StandInGame& RegisterGame(int index, bool fails = false) {
    StandInGame& game = *stand_ins.emplace_back(std::make_unique<StandInGame>(app, menu, fails));
    screens.StandInGames[index + 1] = &game;
    return game;
  }
  std::vector<std::unique_ptr<StandInGame>> stand_ins;
};

TEST_F(MenuMainFormTests, VisibleGamesFillRowsOfThreeAndHiddenOnesLeaveTheScreen) {
  Start(true, [](ProfileStore& profile) {
    profile.Games[1].ShowInMenu = false;
    profile.Games[4].ShowInMenu = false;
  });
  const auto& buttons = menu.GameButtons();
  EXPECT_EQ(buttons[0].X, 322);
  EXPECT_EQ(buttons[0].Y, 20);
  EXPECT_EQ(buttons[2].X, 477);  // game 3 is second in its row
  EXPECT_EQ(buttons[3].X, 632);
  EXPECT_EQ(buttons[5].X, 322);  // game 6 starts the second row
  EXPECT_EQ(buttons[5].Y, 135);
  EXPECT_EQ(buttons[14].Y, 20 + 4 * 115);
  EXPECT_EQ(buttons[1].X, 850);
  EXPECT_EQ(buttons[4].X, 850);
  EXPECT_EQ(menu.Switches().Count(), 13u + 3u);
}

TEST_F(MenuMainFormTests, WithEveryGameHiddenOnlyTheSmallButtonsAreScanned) {
  Start(true, [](ProfileStore& profile) {
    for (auto& game : profile.Games) game.ShowInMenu = false;
  });
  EXPECT_EQ(menu.Switches().Count(), 3u);
}

TEST_F(MenuMainFormTests, ScanningStepsThroughGamesThenStopOptionsAndMusic) {
  Start(true, [](ProfileStore& profile) {
    for (auto& game : profile.Games) game.ShowInMenu = false;
    profile.Games[6].ShowInMenu = true;
  });
  platform.PushKey(32);
  app.DoEvents();
  const auto game7 = menu.GameButtons()[6];
  EXPECT_EQ(platform.Warps.back(),
            std::make_pair(static_cast<int>(game7.MiddleX()), static_cast<int>(game7.MiddleY())));
  // Stop, options, music, then round to the game again.
  for (const int x : {35, 105, 175}) {
    platform.PushKey(39);
    app.DoEvents();
    EXPECT_EQ(platform.Warps.back().first, x);
  }
  platform.PushKey(32);
  app.DoEvents();
  EXPECT_EQ(platform.Warps.back().first, static_cast<int>(game7.MiddleX()));
  platform.PushKey(37);
  app.DoEvents();
  EXPECT_EQ(platform.Warps.back().first, 175);
}

TEST_F(MenuMainFormTests, DuringTheTitleOnlyPressesAndEnterDoAnythingAndTheyEndIt) {
  StandInGame& game = RegisterGame(0);
  Start(/*title_shown=*/false);
  platform.PushKey(65);  // A would open game 1
  platform.PushKey(27);  // Escape would quit
  platform.PushClick(400, 300);
  app.DoEvents();
  EXPECT_TRUE(menu.IsLoaded());
  EXPECT_EQ(game.Loads, 0);
  EXPECT_FALSE(state.gTitleShown);
  EXPECT_LT(menu.TitleCloud().Bottom(), 1);
  // The next tick of the title timer (1.5 s after the menu arranged itself) ends it.
  testing::RunFor(app, platform, 1500);
  EXPECT_TRUE(state.gTitleShown);
  EXPECT_FALSE(menu.ImageTimer().Enabled());
}

TEST_F(MenuMainFormTests, TheTitleCloudRisesUntilItHasLeftTheScreen) {
  Start(/*title_shown=*/false);
  const double start_y = menu.TitleCloud().Y;
  // Still for 1.5 seconds, then 50 pixels a second upwards.
  testing::RunFor(app, platform, 1400);
  EXPECT_EQ(menu.TitleCloud().Y, start_y);
  testing::RunFor(app, platform, 1100);
  EXPECT_NEAR(menu.TitleCloud().Y, start_y - 50, 3);
  EXPECT_FALSE(state.gTitleShown);
  testing::RunFor(app, platform, 10'000);
  EXPECT_TRUE(state.gTitleShown);
  EXPECT_LT(menu.TitleCloud().Bottom(), 1);
}

TEST_F(MenuMainFormTests, LetterKeysOpenTheirGameEvenWhenItIsHidden) {
  StandInGame& game = RegisterGame(2);
  Start(true, [](ProfileStore& profile) { profile.Games[2].ShowInMenu = false; });
  platform.PushKey(67);  // C
  app.DoEvents();
  EXPECT_EQ(game.Loads, 1);
  EXPECT_FALSE(menu.IsLoaded());
  EXPECT_EQ(app.FrontForm(), &game);
}

TEST_F(MenuMainFormTests, AGameThatComesBackDuringItsLoadLeavesTheMenuOpen) {
  RegisterGame(0, /*fails=*/true);
  Start();
  platform.PushKey(65);
  app.DoEvents();
  EXPECT_TRUE(menu.IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  EXPECT_EQ(platform.Cursor, CursorShape::Arrow);
}

TEST_F(MenuMainFormTests, EnterRemembersTheScanPositionAndTheMenuRestoresIt) {
  StandInGame& game = RegisterGame(3);
  Start();
  for (int i = 0; i < 4; ++i) platform.PushKey(32);
  platform.PushKey(13);
  app.DoEvents();
  ASSERT_EQ(game.Loads, 1);
  EXPECT_EQ(state.gMenuScanIndex, 4);

  // The game returns to the menu: the highlight is back on position 4.
  app.Show(menu);
  game.Unload();
  EXPECT_EQ(menu.Switches().GetIndex(), 4);
}

TEST_F(MenuMainFormTests, AMousePickKeepsTheRememberedScanPosition) {
  RegisterGame(0);
  Start();
  state.gMenuScanIndex = 6;
  const auto& first = menu.GameButtons()[0];
  platform.PushClick(static_cast<int>(first.MiddleX()), static_cast<int>(first.MiddleY()));
  app.DoEvents();
  EXPECT_EQ(state.gMenuScanIndex, 6);
}

TEST_F(MenuMainFormTests, TheMusicButtonTurnsTheMusicOffAndOnAgain) {
  platform.Sound.SetLength("music.wav", 40'000);
  Start();
  EXPECT_TRUE(state.Profiles.MenuMusic);
  platform.PushClick(175, 35);
  app.DoEvents();
  EXPECT_FALSE(state.Profiles.MenuMusic);
  platform.PushClick(175, 35);
  app.DoEvents();
  EXPECT_TRUE(state.Profiles.MenuMusic);
  const auto& log = platform.Sound.StreamLog;
  ASSERT_GE(log.size(), 3u);
  EXPECT_NE(log[log.size() - 2].find("stop"), std::string::npos) << log[log.size() - 2];
  EXPECT_NE(log.back().find("play"), std::string::npos) << log.back();
}

// Opening the sound device and the music is the slowest step of the start;
// with the music off it never happens, and a menu shown again after a game
// does not read the file again.
TEST_F(MenuMainFormTests, TheMusicIsOpenedWhenFirstWantedAndOnlyOnce) {
  RegisterGame(0);
  platform.Sound.SetLength("music.wav", 40'000);
  Start(true, [](ProfileStore& profile) { profile.MenuMusic = false; });
  EXPECT_TRUE(platform.Sound.StreamLog.empty());
  platform.PushClick(175, 35);
  platform.PushKey(65);  // A opens game 1, which closes the menu
  app.DoEvents();
  ASSERT_FALSE(menu.IsLoaded());
  app.Show(menu);
  const auto& log = platform.Sound.StreamLog;
  EXPECT_EQ(std::count(log.begin(), log.end(), "open music.wav as wave"), 1);
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log.back().find("play"), std::string::npos) << log.back();
}

TEST_F(MenuMainFormTests, OneSwitchScanningStepsByItselfAndEnterSelects) {
  StandInGame& game = RegisterGame(1);
  Start(true, [](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
  });
  testing::RunFor(app, platform, 2 * 2000);
  EXPECT_EQ(menu.Switches().GetIndex(), 2);
  platform.PushKey(13);
  app.DoEvents();
  EXPECT_EQ(game.Loads, 1);
}

TEST_F(MenuMainFormTests, TheStopButtonClicksAndQuitsInOrder) {
  platform.Sound.SetLength("click.wav", 120);
  Start();
  const std::int64_t before = MilliTimer64();
  platform.PushClick(35, 35);
  app.Run();
  EXPECT_FALSE(menu.IsLoaded());
  ASSERT_FALSE(platform.Sound.WaveNames().empty());
  EXPECT_EQ(platform.Sound.WaveNames().back(), "click.wav");
  EXPECT_GE(MilliTimer64() - before, 120);
  EXPECT_EQ(testing::ReadLines(documents / "Tavlo/profiles/Tavlo").size(), 141u);
}

TEST_F(MenuMainFormTests, HoveringAGameHighlightsItAndShowsItsName) {
  Start();
  const auto& button = menu.GameButtons()[4];
  platform.PushMouseMove(static_cast<int>(button.MiddleX()), static_cast<int>(button.MiddleY()));
  app.DoEvents();
  const Surface& picture = platform.LastPicture;
  // The blue border lies just outside the button, and the name's label below it.
  EXPECT_EQ(picture.GetPixel(button.Left() - 2, static_cast<int>(button.MiddleY())),
            kHighlightBlue);
  EXPECT_EQ(picture.GetPixel(static_cast<int>(button.MiddleX()), button.Bottom() + 3),
            RGB(255, 255, 225));
}

}  // namespace
}  // namespace tavlo
