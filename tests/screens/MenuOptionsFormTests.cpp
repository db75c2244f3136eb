#include <gtest/gtest.h>

#include "games/Game01Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

using Button = OptionsButton;

class MenuOptionsFormTests : public testing::ProgramTest {
 protected:
  MenuOptionsForm& Open(const std::function<void(ProfileStore&)>& configure = {}) {
    StartProgram(configure);
    app.Show(options());
    return options();
  }
  MenuOptionsForm& options() { return screens.OptionsMenu(); }
  const SpriteClass& Get(Button button) { return options().Button(button); }
  ProfileStore& profile() { return state.Profiles; }
  std::vector<std::string> OptionFile() {
    return testing::ReadLines(DataFolder() / "profiles" / state.Profiles.gProfileName);
  }
};

TEST_F(MenuOptionsFormTests, TheButtonRowAndTheGamesStandWhereTheyBelong) {
  Open();
  EXPECT_EQ(Get(Button::Stop).X, 4);
  EXPECT_EQ(Get(Button::Stop).Y, 4);
  // The profile button 15 pixels right of stop, its top at stop's middle;
  // every further one 12 pixels right of the one before, so that all eleven
  // fit the screen.
  EXPECT_EQ(Get(Button::Profile).X, 4 + 60 + 15);
  EXPECT_EQ(Get(Button::Profile).Y, 34);
  double x = Get(Button::Profile).Right();
  for (int i = 2; i < kOptionsButtonCount; ++i) {
    const SpriteClass& button = Get(static_cast<Button>(i));
    EXPECT_EQ(button.X, x + 12) << i;
    EXPECT_EQ(button.Y, 34) << i;
    x = button.Right();
  }
  EXPECT_LE(x, 800);
  const auto& icons = options().GameIcons();
  EXPECT_EQ(icons[0].X, 30);
  EXPECT_EQ(icons[0].Y, 150);
  EXPECT_EQ(icons[1].X, icons[0].Right() + 22);
  EXPECT_EQ(icons[5].X, 30);  // five to a row
  EXPECT_EQ(icons[5].Y, icons[0].Bottom() + 50);
  EXPECT_LE(options().FavouriteMarks()[14].Bottom(), 600);
}

TEST_F(MenuOptionsFormTests, ScanningVisitsTheButtonsThenEachGameAndItsStar) {
  Open();
  ASSERT_EQ(options().Switches().Count(), 11u + 2u * 15u);
  std::vector<const SpriteClass*> expected;
  for (int i = 0; i < kOptionsButtonCount; ++i) expected.push_back(&Get(static_cast<Button>(i)));
  for (int game = 0; game < 3; ++game) {
    expected.push_back(&options().GameIcons()[static_cast<size_t>(game)]);
    expected.push_back(&options().FavouriteMarks()[static_cast<size_t>(game)]);
  }
  for (const SpriteClass* sprite : expected) {
    Press(keys::kSpace);
    EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(*sprite));
  }
  Press(keys::kLeft);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(options().GameIcons()[2]));
}

TEST_F(MenuOptionsFormTests, EachButtonTogglesItsProfileValueWithAClick) {
  platform.Sound.SetLength("click.wav", 100);
  struct Case {
    Button Clicked;
    std::function<bool(const ProfileStore&)> Value;
  };
  const std::vector<Case> cases = {
      {Button::Sound, [](const ProfileStore& p) { return p.SoundEffects; }},
      {Button::Music, [](const ProfileStore& p) { return p.RewardSounds; }},
      {Button::OneSwitch, [](const ProfileStore& p) { return p.OneKeyMode; }},
      {Button::TwoSwitches, [](const ProfileStore& p) { return p.OneKeyMode; }},
  };
  Open();
  for (const Case& test : cases) {
    const bool before = test.Value(profile());
    const size_t sounds = platform.Sound.WaveNames().size();
    const std::int64_t start = MilliTimer64();
    Click(Get(test.Clicked));
    EXPECT_NE(test.Value(profile()), before) << static_cast<int>(test.Clicked);
    // The click is heard before the change, and waited for.
    ASSERT_EQ(platform.Sound.WaveNames().size(), sounds + 1);
    EXPECT_GE(MilliTimer64() - start, 100);
    Click(Get(test.Clicked));
    EXPECT_EQ(test.Value(profile()), before);
  }
}

TEST_F(MenuOptionsFormTests, TheScanningTimeRunsFromOneToSixAndTurnsOneSwitchOn) {
  Open();
  ASSERT_FALSE(profile().OneKeyMode);
  std::vector<int> times;
  for (int i = 0; i < 7; ++i) {
    Click(Get(Button::ScanTime));
    times.push_back(profile().OneKeyInterval);
  }
  EXPECT_EQ(times, (std::vector<int>{2, 3, 4, 5, 6, 1, 2}));
  EXPECT_TRUE(profile().OneKeyMode);
  // One-switch mode steps the highlight by itself at the new time.
  EXPECT_TRUE(options().OneKeyTimer().Enabled());
  EXPECT_EQ(options().OneKeyTimer().Interval(), 2000);
  const size_t warps = platform.Warps.size();
  Wait(2010);
  EXPECT_EQ(platform.Warps.size(), warps + 1);
  Click(Get(Button::TwoSwitches));
  EXPECT_FALSE(options().OneKeyTimer().Enabled());
}

TEST_F(MenuOptionsFormTests, AStarSwitchedOffHidesTheGameOnTheMainMenuAndIsSaved) {
  StartProgram();
  // Everything happens while the options menu is open over the main menu.
  platform.PushKey(keys::kF1);
  for (int i = 0; i < 15; ++i) platform.PushKey(keys::kSpace);
  platform.PushKey(keys::kEnter);
  platform.PushKey(keys::kEscape);
  app.DoEvents();
  EXPECT_FALSE(state.Profiles.Games[1].ShowInMenu);
  EXPECT_EQ(screens.OptionsMenusOpened, 1);
  EXPECT_FALSE(screens.OptionsMenu().IsLoaded());
  EXPECT_EQ(menu.GameButtons()[1].X, 850);
  EXPECT_EQ(menu.Switches().Count(), 14u + 3u);
  EXPECT_EQ(OptionFile()[5 + 3], "0");
}

TEST_F(MenuOptionsFormTests, AProfileChosenInTheOptionsMenuSetsTheMainMenusMusic) {
  platform.Sound.SetLength("music.wav", 40'000);
  StartProgram([](ProfileStore& profile) {
    profile.SaveProfileOptions();
    profile.WriteCurrentProfile("Quiet");
    profile.ResetProfileOptions();
    profile.MenuMusic = false;
    profile.SaveProfileOptions();
    profile.WriteCurrentProfile("Tavlo");
    profile.LoadProfileOptions();
  });
  ASSERT_TRUE(state.Profiles.MenuMusic);
  // Quiet is second in the list: open it, step, keep, OK.
  platform.OnDialog = [](ModalDialog& dialog) {
    for (const int key : {keys::kEnter, keys::kSpace, keys::kEnter}) dialog.OnKey(key, 0);
    dialog.Answer(DialogAnswer::Ok);
  };
  platform.PushKey(keys::kF1);
  platform.PushKey(keys::kSpace);
  platform.PushKey(keys::kSpace);
  platform.PushKey(keys::kEnter);
  platform.PushKey(keys::kEscape);
  app.DoEvents();
  EXPECT_EQ(state.Profiles.gProfileName, "Quiet");
  EXPECT_FALSE(state.Profiles.MenuMusic);
  const auto& log = platform.Sound.StreamLog;
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log.back().find("stop"), std::string::npos) << log.back();
}

TEST_F(MenuOptionsFormTests, AGameIconOpensThatGamesOptionDialog) {
  Open();
  std::vector<std::string> titles;
  platform.OnDialog = [&](ModalDialog&) { titles.push_back(state.gGameId); };
  Click(options().GameIcons()[6]);
  Click(options().GameIcons()[14]);
  EXPECT_EQ(titles, (std::vector<std::string>{"Game07", "Game15"}));
  EXPECT_EQ(state.gGameName, state.Texts.GameName(14));
}

TEST_F(MenuOptionsFormTests, TheAccessButtonOpensTheAccessDialogAndOkSavesItsFileAtOnce) {
  Open();
  const auto access_file = DataFolder() / "profiles" / (state.Profiles.gProfileName + ".access");
  platform.OnDialog = [](ModalDialog& dialog) { dialog.Answer(DialogAnswer::Cancel); };
  Click(Get(Button::Access));
  EXPECT_FALSE(std::filesystem::exists(access_file)) << "cancelled: the profile keeps no file";
  // Enter on the first control, spoken scanning, then OK.
  platform.OnDialog = [](ModalDialog& dialog) {
    dialog.OnKey(keys::kEnter, 0);
    dialog.Answer(DialogAnswer::Ok);
  };
  Click(Get(Button::Access));
  EXPECT_TRUE(state.Profiles.Access.SpeakHighlight);
  const auto lines = testing::ReadLines(access_file);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "speak_highlight=1"), lines.end());
  EXPECT_EQ(OptionFile().size(), 141u);
}

class OptionsMenuAnswersTests : public testing::GameTest<Game01Form> {};

// Answers given in a game reach the option file when the options menu is
// opened and left, even when the program then ends by the window's close.
TEST_F(OptionsMenuAnswersTests, AnswersSurviveTheOptionsMenuAndTheEndOfTheProgram) {
  std::vector<testing::TableRow> rows;
  for (const char* word : {"apple", "banana", "cup", "egg", "orange"}) {
    rows.push_back({{"Word", word}, {"Image", "x.png"}, {"Sound", "x.wav"}, {"Correct1", "1"}});
  }
  OpenGame(rows);
  ASSERT_TRUE(Game().IsLoaded());
  Click(Game().Buttons()[1]);
  Click(Game().Buttons()[0]);
  Wait(5000);
  Press(keys::kEscape);
  ASSERT_TRUE(menu.IsLoaded());
  const GameEntry counts = Counts();
  ASSERT_GT(counts.CorrectCount + counts.WrongCount, 0);
  Press(keys::kF1);
  platform.PushKey(keys::kEscape);
  app.Run();
  const auto lines = testing::ReadLines(DataFolder() / "profiles" / state.Profiles.gProfileName);
  ASSERT_EQ(lines.size(), 141u);
  EXPECT_EQ(lines[6], std::to_string(counts.CorrectCount));
  EXPECT_EQ(lines[7], std::to_string(counts.WrongCount));
}

}  // namespace
}  // namespace tavlo
