#include <gtest/gtest.h>

#include "app/GameForms.h"
#include "app/MenuMainForm.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "engine/Random.h"
#include "games/Game01Form.h"
#include "support/FakePlatform.h"
#include "support/MainMenuTest.h"
#include "support/TempFolder.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo {
namespace {

struct Row {
  std::string Word;
  std::string Image;
  std::array<int, 4> Correct{};
};

// A program folder and a data folder whose word-list file has the rows a
// test gives, ready before the application is made.
class GameProgramFolder : public testing::MainMenuTest {
 protected:
  GameProgramFolder() {
    std::filesystem::create_directories(DataFolder() / "profiles");
    std::filesystem::create_directories(DataFolder() / "db");
    RandomSource::SeedForTests(7);
  }

  void WriteList(const std::string& list, const std::vector<Row>& rows) {
    SqliteDatabase database =
        OpenWordListDatabase(DataFolder() / "db/eng.sqlite", "eng", SqliteOpenMode::Create);
    database.Execute("PRAGMA synchronous = OFF");
    CreateWordListTables(database);
    SqliteStatement insert = database.Prepare(
        "INSERT INTO Game01 (WordList, Word, Image, Sound, Correct0, Correct1, Correct2, Correct3)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    for (const Row& row : rows) {
      insert.Reset();
      insert.BindText(1, list);
      insert.BindText(2, row.Word);
      insert.BindText(3, row.Image);
      insert.BindText(4, row.Word + ".wav");
      for (int m = 0; m < 4; ++m) insert.BindInteger(5 + m, row.Correct[static_cast<size_t>(m)]);
      ASSERT_EQ(insert.Step(), SqliteStep::Done) << insert.Error();
    }
  }
};

class Game01FormTests : public GameProgramFolder {
 protected:
  Game01FormTests() {
    games.Register(0, [this] { return std::make_unique<Game01Form>(app, state, media, menu); });
    platform.Sound.SetLength("correct0.wav", 300);
    platform.Sound.SetLength("wrong0.wav", 200);
  }

  Game01Form& Game() { return *static_cast<Game01Form*>(games.Get(0)); }

  // Starts the program to its main menu with the profile as configure leaves
  // it, then opens Game 1 from there as the A key does.
  void StartFromMenu(const std::function<void(ProfileStore&)>& configure = {}) {
    menu.Initialise("window");
    state.gTitleShown = true;
    state.Profiles.SetRandomWord("Game01", 0);
    if (configure) configure(state.Profiles);
    app.Show(menu);
    menu.OpenGame(0);
  }

  // Starts the program to its main menu, then opens Game 1 with rows in
  // order (no shuffling).
  void OpenGame(const std::vector<Row>& rows) {
    WriteList("Everyday words", rows);
    StartFromMenu();
  }

  void Click(const SpriteClass& sprite, int button = 1) {
    platform.PushClick(static_cast<int>(sprite.MiddleX()), static_cast<int>(sprite.MiddleY()),
                       button);
    app.DoEvents();
    platform.AdvanceMilliseconds(60);
  }

  std::vector<std::string> WordsShown() const {
    std::vector<std::string> words;
    for (const auto& card : static_cast<const Game01Form*>(games_const().Get(0))->WordCards()) {
      words.push_back(card.Text);
    }
    return words;
  }

 private:
  GameForms& games_const() const { return const_cast<GameForms&>(games); }
};

const std::vector<Row> kFarm = {
    {"apple", "fruit.png", {0, 1, 0, 0}},   {"banana", "fruit.png", {1, 0, 0, 0}},
    {"egg", "breakfast.png", {0, 1, 0, 0}}, {"cup", "breakfast.png", {1, 0, 0, 0}},
    {"orange", "fruit.png", {0, 1, 0, 0}},
};

TEST_F(Game01FormTests, APictureShowsItsWordsFromTheCurrentEntryAroundTheList) {
  OpenGame(kFarm);
  ASSERT_TRUE(Game().IsLoaded());
  // The list is in word order: apple, banana, cup, egg, orange.
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"apple", "banana", "orange"}));
  // Skipping with the next button: the next entry, banana, starts the next item.
  Click(Game().gNextButton);
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"banana", "orange", "apple"}));
  Click(Game().gNextButton);
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"cup", "egg"}));
}

TEST_F(Game01FormTests, AtMostFourWordsOfOnePicture) {
  std::vector<Row> rows;
  for (const char* word : {"ant", "bee", "cat", "dog", "eel"}) {
    rows.push_back({word, "zoo.png", {1, 0, 0, 0}});
  }
  OpenGame(rows);
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"ant", "bee", "cat", "dog"}));
}

TEST_F(Game01FormTests, ARightAnswerFillsTheBlankAndCountsAWrongOneOnlyCounts) {
  OpenGame(kFarm);
  const auto& a_button = Game().Buttons()[0];
  const auto& an_button = Game().Buttons()[1];
  Click(a_button);  // "apple" wants "an"
  EXPECT_EQ(state.Profiles.Games[0].WrongCount, 1);
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 0);
  EXPECT_EQ(Game().CurrentWord(), 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "wrong0.wav");

  Click(an_button);
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 1);
  EXPECT_EQ(Game().CurrentWord(), 1);
  EXPECT_TRUE(Game().WordCards()[0].Selected);
  EXPECT_EQ(Game().WordInfo()[0].Answer, Game().Buttons()[1].Label);
}

TEST_F(Game01FormTests, TheLastRightAnswerPlaysARewardSoundThenTheNextPicture) {
  platform.Sound.SetLength("reward0.wav", 1000);
  OpenGame({{"egg", "breakfast.png", {0, 1, 0, 0}},
            {"cup", "x.png", {1, 0, 0, 0}},
            {"dog", "x.png", {1, 0, 0, 0}},
            {"hat", "x.png", {1, 0, 0, 0}}});
  // Word order: cup, dog, egg, hat. The first picture is x.png with cup, dog, hat.
  ASSERT_EQ(WordsShown(), (std::vector<std::string>{"cup", "dog", "hat"}));
  for (int i = 0; i < 3; ++i) Click(Game().Buttons()[0]);
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 3);
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 2u);
  // The last answer's sound, then a reward sound from the rewards folder.
  EXPECT_NE(std::find(names.begin(), names.end(), "correct0.wav"), names.end());
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"dog", "hat", "cup"}));
  EXPECT_EQ(Game().CurrentWord(), 0);
}

TEST_F(Game01FormTests, ARightClickSpeaksTheButtonAndCountsNothing) {
  OpenGame(kFarm);
  std::filesystem::create_directories(DataFolder() / "speech/eng/game01");
  platform.Sound.SetLength(Game().Buttons()[1].Label + ".wav", 400);
  Click(Game().Buttons()[1], 2);
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 0);
  EXPECT_EQ(state.Profiles.Games[0].WrongCount, 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), Game().Buttons()[1].Label + ".wav");
}

TEST_F(Game01FormTests, ButtonsStandInOneRowUnderTheWords) {
  OpenGame(kFarm);
  const auto& buttons = Game().Buttons();
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0].MiddleX(), 320);
  EXPECT_EQ(buttons[1].MiddleX(), 480);
  EXPECT_EQ(buttons[0].Y, Game().WordCards().back().Bottom() + 60);
  EXPECT_EQ(buttons[0].Y, buttons[1].Y);
}

TEST_F(Game01FormTests, SwitchesStepToAButtonAndEnterAnswersWithIt) {
  OpenGame(kFarm);
  platform.PushKey(32);
  app.DoEvents();
  platform.AdvanceMilliseconds(60);
  platform.PushKey(32);
  app.DoEvents();
  platform.AdvanceMilliseconds(60);
  platform.PushKey(13);
  app.DoEvents();
  // Second button: "an", the right answer for "apple".
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 1);
}

TEST_F(Game01FormTests, TheInputLockSwallowsASecondPressWithin50Milliseconds) {
  OpenGame(kFarm);
  platform.PushKey(32);
  platform.PushKey(32);
  app.DoEvents();
  platform.AdvanceMilliseconds(60);
  platform.PushKey(13);
  app.DoEvents();
  // One step only: the first button, "a", is wrong for "apple".
  EXPECT_EQ(state.Profiles.Games[0].WrongCount, 1);
  // A click on the stop button straight after a handled press is ignored too.
  platform.PushClick(static_cast<int>(Game().Buttons()[0].MiddleX()),
                     static_cast<int>(Game().Buttons()[0].MiddleY()));
  platform.PushClick(static_cast<int>(Game().gStopButton.MiddleX()),
                     static_cast<int>(Game().gStopButton.MiddleY()));
  app.DoEvents();
  EXPECT_TRUE(Game().IsLoaded());
}

TEST_F(Game01FormTests, EscapeAndTheStopButtonGoBackToTheMenu) {
  OpenGame(kFarm);
  platform.PushKey(27);
  app.DoEvents();
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  app.Show(Game());
  ASSERT_TRUE(Game().IsLoaded());
  platform.AdvanceMilliseconds(60);
  Click(Game().gStopButton);
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_TRUE(menu.IsLoaded());
}

TEST_F(Game01FormTests, PageDownIsTheNextButton) {
  OpenGame(kFarm);
  platform.PushKey(34);
  app.DoEvents();
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"banana", "orange", "apple"}));
}

TEST_F(Game01FormTests, FontKeysKeepTheirLimitsAndStoreTheSize) {
  OpenGame(kFarm);
  state.gFontSize = 7;
  platform.PushKey(116);  // F5
  app.DoEvents();
  EXPECT_EQ(state.gFontSize, 6);
  platform.PushKey(116);
  app.DoEvents();
  EXPECT_EQ(state.gFontSize, 6);
  EXPECT_EQ(state.Profiles.GetFontSize("Game01"), 6);
  platform.PushKey(118);  // F7
  app.DoEvents();
  EXPECT_EQ(state.gFontSize, 17);
}

TEST_F(Game01FormTests, AMissingListIsNamedAndCancellingItsOptionsEndsTheGame) {
  WriteList("Other words", kFarm);
  StartFromMenu();
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  ASSERT_FALSE(platform.Messages.empty());
  const std::string text = platform.Messages.back().Text;
  EXPECT_NE(text.find("'Everyday words'"), std::string::npos) << text;
  EXPECT_EQ(platform.Messages.back().Icon, MessageIcon::Exclamation);
}

TEST_F(Game01FormTests, ConfirmingTheOptionsAfterAFailedLoadPlaysTheListChosenThere) {
  WriteList("Other words", kFarm);
  int dialogs = 0;
  platform.OnDialog = [&](ModalDialog& dialog) {
    ++dialogs;
    dialog.Answer(DialogAnswer::Ok);
  };
  StartFromMenu();
  EXPECT_EQ(dialogs, 1);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(state.WordLists.gWordListName, "Other words");
  EXPECT_EQ(state.Profiles.GetWordList("Game01"), "Other words");
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"apple", "banana", "orange"}));
}

TEST_F(Game01FormTests, F1OptionsConfirmedSetTheGameUpAgain) {
  OpenGame(kFarm);
  Click(Game().gNextButton);
  platform.OnDialog = [](ModalDialog& dialog) { dialog.Answer(DialogAnswer::Ok); };
  platform.PushKey(112);
  app.DoEvents();
  // Set up again from the start of the list.
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"apple", "banana", "orange"}));
  platform.OnDialog = nullptr;  // cancelled: nothing changes
  Click(Game().gNextButton);
  platform.PushKey(120);
  app.DoEvents();
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"banana", "orange", "apple"}));
}

TEST_F(Game01FormTests, OneSwitchScanningStepsByItself) {
  WriteList("Everyday words", kFarm);
  StartFromMenu([](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
  });
  const size_t warps = platform.Warps.size();
  testing::RunFor(app, platform, 2000 * 2);
  EXPECT_EQ(platform.Warps.size(), warps + 2);
  // The switch is pressed a moment after the highlight reached "an".
  platform.AdvanceMilliseconds(100);
  platform.PushKey(13);
  app.DoEvents();
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 1);
}

}  // namespace
}  // namespace tavlo
