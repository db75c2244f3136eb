#include <gtest/gtest.h>

#include "games/GameForm.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"
#include "wordlists/GameTables.h"

namespace tavlo {
namespace {

// The smallest game the frame can run: one right and one wrong choice, each a
// 100 x 60 box, a new round on every right answer. It keeps a note of what
// the frame asked of it.
class TinyGame : public GameForm {
 public:
  static constexpr int kGameNumber = 1;

  explicit TinyGame(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override {
    Graphics().Cls();
    DrawFrameButtons();
    DrawFrameHighlights();
    Refresh();
  }

  bool TryPicture(const std::string& image) {
    SpriteClass picture;
    return LoadItemPicture(picture, PictureFolder::Images, image);
  }

  SpriteClass Right;
  SpriteClass Wrong;
  int Rounds = 0;
  int ListenRequests = 0;
  std::string FirstWordOfRound;

 protected:
  void LoadGameGraphics() override {
    for (SpriteClass* choice : {&Right, &Wrong}) {
      choice->Width = 100;
      choice->Height = 60;
      choice->Y = 300;
    }
    Right.X = 200;
    Wrong.X = 500;
  }
  void FreeGameGraphics() override {}
  void StartRound() override {
    ++Rounds;
    FirstWordOfRound = TakeWord().Word;
    Switches().Add(Right);
    Switches().Add(Wrong);
    UpdateScreen();
  }
  void SpeakAnswer(int) override { ++ListenRequests; }
  void GameMouseDown(int button, int, int x, int y) override {
    if (button != mouse_buttons::kLeft) return;
    if (Right.IsUnder(x, y)) {
      ReportCorrect();
      CompleteItem(ItemReward::SoundOnly);
      StartRound();
    } else if (Wrong.IsUnder(x, y)) {
      ReportWrong();
    }
  }
  std::vector<SpriteClass*> ChoiceSprites() override { return {&Right, &Wrong}; }
};

class GameFormTests : public testing::GameTest<TinyGame> {
 protected:
  GameFormTests() : tiny(GameContext{app, state, media, menu}) {
    screens.StandInGames[kNumber] = &tiny;
    platform.Sound.SetLength("correct0.wav", 300);
    platform.Sound.SetLength("wrong0.wav", 200);
  }

  TinyGame& Open(const std::function<void(ProfileStore&)>& configure = {}) {
    return OpenGame(kWords, configure);
  }

  const std::vector<testing::TableRow> kWords = {
      {{"Word", "ant"}}, {{"Word", "bee"}}, {{"Word", "cat"}}, {{"Word", "dog"}}};
  TinyGame tiny;
};

TEST_F(GameFormTests, AnswersReachTheCountsWithTheirSounds) {
  Open();
  Click(tiny.Wrong);
  Click(tiny.Right);
  Click(tiny.Right);
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Counts().CorrectCount, 2);
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0], "wrong0.wav");
  EXPECT_EQ(names[1], "correct0.wav");

  // A full counter stays full rather than wrapping round to a negative count.
  state.Profiles.Games[kNumber - 1].CorrectCount = GameEntry::kMostAnswers;
  state.Profiles.Games[kNumber - 1].WrongCount = GameEntry::kMostAnswers;
  Click(tiny.Right);
  Click(tiny.Wrong);
  EXPECT_EQ(Counts().CorrectCount, GameEntry::kMostAnswers);
  EXPECT_EQ(Counts().WrongCount, GameEntry::kMostAnswers);
}

TEST_F(GameFormTests, TheStepSwitchHighlightsAChoiceAndTheSelectSwitchAnswersWithIt) {
  Open();
  ASSERT_TRUE(ScanAndSelect(tiny.Wrong));
  EXPECT_EQ(Counts().WrongCount, 1);
  // Each step moves the pointer onto the next choice, so both highlights agree.
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(tiny.Wrong));
}

TEST_F(GameFormTests, TheInputLockSwallowsASecondPressWithin50Milliseconds) {
  Open();
  platform.PushKey(keys::kSpace);
  platform.PushKey(keys::kSpace);
  app.DoEvents();
  platform.AdvanceMilliseconds(60);
  Press(keys::kEnter);
  // One step only: the first choice, the right one.
  EXPECT_EQ(Counts().CorrectCount, 1);
  // A click on the stop button straight after a handled click is ignored too.
  const auto [x, y] = testing::MiddleOf(tiny.Wrong);
  const auto [stop_x, stop_y] = testing::MiddleOf(tiny.gStopButton);
  platform.PushClick(x, y);
  platform.PushClick(stop_x, stop_y);
  app.DoEvents();
  EXPECT_TRUE(tiny.IsLoaded());
}

TEST_F(GameFormTests, EscapeAndTheStopButtonGoBackToTheMenuSilently) {
  Open();
  Press(keys::kEscape);
  EXPECT_FALSE(tiny.IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  menu.OpenGame(kNumber - 1);
  ASSERT_TRUE(tiny.IsLoaded());
  Click(tiny.gStopButton);
  EXPECT_FALSE(tiny.IsLoaded());
  EXPECT_TRUE(menu.IsLoaded());
  EXPECT_FALSE(platform.Sound.WavePlaying());
}

TEST_F(GameFormTests, NextButtonAndPageDownSkipTheItemListenAndF2AskForSpeech) {
  Open();
  EXPECT_EQ(tiny.FirstWordOfRound, "ant");
  Click(tiny.gNextButton);
  EXPECT_EQ(tiny.FirstWordOfRound, "bee");
  Press(keys::kPageDown);
  EXPECT_EQ(tiny.FirstWordOfRound, "cat");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  Click(tiny.gListenButton);
  Press(keys::F(2));
  EXPECT_EQ(tiny.ListenRequests, 2);
}

TEST_F(GameFormTests, FontKeysKeepTheirLimitsAndStoreTheSize) {
  Open();
  struct Case {
    int Start;
    int Key;
    int Expected;
  };
  for (const Case& c :
       {Case{7, 5, 6}, Case{6, 5, 6}, Case{32, 6, 32}, Case{12, 6, 13}, Case{9, 7, 17}}) {
    state.gFontSize = static_cast<std::int16_t>(c.Start);
    Press(keys::F(c.Key));
    EXPECT_EQ(state.gFontSize, c.Expected) << "F" << c.Key << " at " << c.Start;
    EXPECT_EQ(state.Profiles.GetFontSize(GameIdOf(kNumber)), c.Expected);
  }
}

TEST_F(GameFormTests, AMissingListIsNamedAndCancellingItsOptionsEndsTheGame) {
  WriteWordList(GameIdOf(kNumber), "Other words", kWords);
  OpenGameWithWordsWritten();
  EXPECT_FALSE(tiny.IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  ASSERT_FALSE(platform.Messages.empty());
  EXPECT_NE(platform.Messages.back().Text.find("'Everyday words'"), std::string::npos);
  EXPECT_EQ(platform.Messages.back().Icon, MessageIcon::Exclamation);
}

TEST_F(GameFormTests, AListLongerThanAGameCanHoldIsCalledTooLongNotTooShort) {
  std::vector<testing::TableRow> rows;
  for (int i = 0; i <= kMaximumWords; ++i) rows.push_back({{"Word", "w" + std::to_string(i)}});
  OpenGame(rows);
  EXPECT_FALSE(tiny.IsLoaded());
  ASSERT_FALSE(platform.Messages.empty());
  EXPECT_NE(platform.Messages.back().Text.find("more words than a game can hold"),
            std::string::npos)
      << platform.Messages.back().Text;
}

TEST_F(GameFormTests, ConfirmingTheOptionsAfterAFailedLoadPlaysTheListChosenThere) {
  WriteWordList(GameIdOf(kNumber), "Other words", kWords);
  platform.OnDialog = [](ModalDialog& dialog) { dialog.Answer(DialogAnswer::Ok); };
  OpenGameWithWordsWritten();
  EXPECT_EQ(platform.DialogsRun, 1);
  ASSERT_TRUE(tiny.IsLoaded());
  EXPECT_EQ(state.Profiles.GetWordList(GameIdOf(kNumber)), "Other words");
}

TEST_F(GameFormTests, ConfirmedOptionsSetTheGameUpAgainAndCancelledOnesChangeNothing) {
  Open();
  Click(tiny.gNextButton);
  platform.OnDialog = [](ModalDialog& dialog) { dialog.Answer(DialogAnswer::Ok); };
  Press(keys::F(1));
  EXPECT_EQ(tiny.FirstWordOfRound, "ant");  // from the start of the list again
  platform.OnDialog = nullptr;
  Click(tiny.gNextButton);
  Press(keys::F(9));
  EXPECT_EQ(tiny.FirstWordOfRound, "bee");
}

TEST_F(GameFormTests, OneSwitchScanningStepsByItselfAndTheSwitchSelects) {
  Open([](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
  });
  const size_t warps = platform.Warps.size();
  Wait(2000 * 2);
  EXPECT_EQ(platform.Warps.size(), warps + 2);
  platform.AdvanceMilliseconds(100);
  Press(keys::kEnter);
  // Two steps: the highlight went round to the wrong choice.
  EXPECT_EQ(Counts().WrongCount, 1);
}

TEST_F(GameFormTests, AMissingPictureOrOneOutsideTheDataFolderIsNamedAndTheGameGoesOn) {
  Open();
  // A real picture, but beside the data folder rather than in it.
  std::filesystem::copy_file(program / "gfx/game01/nextButton.gif", documents / "secret.gif");
  std::filesystem::create_directories(DataFolder() / "images");
  for (const std::string& name : std::vector<std::string>{"nowhere.png", "../../secret.gif",
                                                          (documents / "secret.gif").string()}) {
    platform.Messages.clear();
    EXPECT_FALSE(tiny.TryPicture(name)) << name;
    ASSERT_EQ(platform.Messages.size(), 1u) << name;
    EXPECT_NE(platform.Messages[0].Text.find(name), std::string::npos);
  }
  EXPECT_TRUE(tiny.IsLoaded());
}

}  // namespace
}  // namespace tavlo
