#include <gtest/gtest.h>

#include <algorithm>

#include "games/Game07Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

// A scene, and a sentence with its missing word between the text before and after the gap.
struct Row {
  std::string Image, Before, Word, After;
};

class Game07FormTests : public testing::GameTest<Game07Form> {
 protected:
  // Game 7's rows: a scene, and a sentence with the word in its gap. The
  // list is in the order of the missing words.
  Game07Form& Open(const std::vector<Row>& rows,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    SetFeedbackSoundLengths();
    auto to_table = [this](const Row& row) {
      platform.Sound.SetLength(row.Word + ".wav", 400);
      platform.Sound.SetLength(row.Word + "-sentence.wav", 1200);
      return testing::TableRow{{"Word", row.Word},      {"Image", row.Image},
                               {"Sound", row.Word + "-sentence.wav"},
                               {"SentenceA", row.Before}, {"SentenceB", row.Word},
                               {"SentenceC", row.After}};
    };
    return OpenRows(rows, to_table, configure);
  }

  std::vector<std::string> GapWords() {
    std::vector<std::string> words;
    for (const auto& sentence : Game().Sentences()) words.push_back(sentence.Text);
    return words;
  }

  const SpriteClass& ButtonFor(const std::string& word) {
    const auto& buttons = Game().WordButtons();
    return *std::find_if(buttons.begin(), buttons.end(), [&](const SpriteClass& button) {
      return button.Visible && button.Text == word;
    });
  }

  int VisibleButtons() {
    const auto& buttons = Game().WordButtons();
    return static_cast<int>(std::count_if(buttons.begin(), buttons.end(),
                                          [](const SpriteClass& b) { return b.Visible; }));
  }
};

// In word order: bird, boat, crab, dog, sun.
const std::vector<Row> kScenes = {
    {"park.jpg", "The", "dog", "runs."},   {"beach.jpg", "A", "boat", "floats."},
    {"park.jpg", "The", "sun", "shines."}, {"beach.jpg", "A red", "crab", "hides."},
    {"park.jpg", "A", "bird", "sings."},
};

TEST_F(Game07FormTests, AScenesSentencesAreFoundFromTheCurrentRowAndTheNextSceneStartsOneRowOn) {
  Open(kScenes);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(GapWords(), (std::vector<std::string>{"bird", "dog", "sun"}));
  EXPECT_EQ(VisibleButtons(), 3);
  Click(Game().gNextButton);
  EXPECT_EQ(GapWords(), (std::vector<std::string>{"boat", "crab"}));
  Click(Game().gNextButton);
  EXPECT_EQ(GapWords(), (std::vector<std::string>{"crab", "boat"}));
  Click(Game().gNextButton);
  // The park again, from its second row and round the end of the list.
  EXPECT_EQ(GapWords(), (std::vector<std::string>{"dog", "sun", "bird"}));
}

TEST_F(Game07FormTests, AtMostFourSentencesAndOnlyTheShownButtonsAreScanned) {
  std::vector<Row> rows;
  for (const char* word : {"ant", "bee", "cat", "dog", "eel"}) rows.push_back({"zoo.jpg", "A", word, "."});
  rows.push_back({"pond.jpg", "A", "frog", "jumps."});
  Open(rows);
  EXPECT_EQ(GapWords(), (std::vector<std::string>{"ant", "bee", "cat", "dog"}));
  EXPECT_EQ(Game().Switches().Count(), 4u);

  for (int i = 0; i < 5; ++i) Click(Game().gNextButton);
  ASSERT_EQ(GapWords(), (std::vector<std::string>{"frog"}));
  EXPECT_EQ(VisibleButtons(), 1);
  EXPECT_EQ(Game().Switches().Count(), 1u);
  // Stepping stays on the one button; selecting it fills the one gap.
  Press(keys::kSpace);
  Press(keys::kSpace);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(ButtonFor("frog")));
  Press(keys::kEnter);
  EXPECT_EQ(Counts().CorrectCount, 1);
}

TEST_F(Game07FormTests, TheGapsAreFilledFromTheTopAndAWrongWordOnlyCounts) {
  Open(kScenes);
  Click(ButtonFor("dog"));  // the first gap wants "bird"
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentSentence(), 0);
  EXPECT_FALSE(Game().Sentences()[0].Selected);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "wrong0.wav");

  platform.Sound.Waves.clear();
  Click(ButtonFor("bird"));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Game().Sentences()[0].Selected);
  EXPECT_EQ(Game().CurrentSentence(), 1);
  // No answer sound: the word is spoken to its end, then its sentence.
  EXPECT_EQ(platform.Sound.WaveNames(),
            (std::vector<std::string>{"bird.wav", "bird-sentence.wav"}));
  EXPECT_EQ(platform.Sound.Waves[1].StartedAt,
            platform.Sound.Waves[0].StartedAt + platform.Sound.Waves[0].Length);
}

TEST_F(Game07FormTests, AFilledSceneEarnsARewardSoundAndTheNextSceneButNoRewardShow) {
  Open(kScenes, [](ProfileStore& profile) {
    profile.SetReward(GameIdOf(7), 1);
    profile.SetRewardFrequency(GameIdOf(7), 5);
  });
  for (const char* word : {"bird", "dog", "sun"}) ScanAndSelect(ButtonFor(word));
  EXPECT_EQ(Counts().CorrectCount, 3);
  EXPECT_EQ(Counts().WrongCount, 0);
  EXPECT_TRUE(LastSoundWasAReward());
  // The scenes are not counted towards a reward show.
  EXPECT_EQ(Game().RewardCounter(), 0);
  EXPECT_EQ(GapWords(), (std::vector<std::string>{"boat", "crab"}));
  EXPECT_EQ(Game().CurrentSentence(), 0);
}

TEST_F(Game07FormTests, TwoGapsWithTheSameWordTakeEitherOfItsButtons) {
  Open({{"farm.jpg", "The", "hen", "sits."},
        {"farm.jpg", "A", "hen", "pecks."},
        {"pond.jpg", "A", "frog", "jumps."},
        {"pond.jpg", "A", "fish", "swims."}});
  // In word order fish, frog, hen, hen: the farm is dealt from the third row.
  Click(Game().gNextButton);
  Click(Game().gNextButton);
  const auto& buttons = Game().WordButtons();
  std::vector<const SpriteClass*> hens;
  for (const auto& button : buttons) {
    if (button.Visible) hens.push_back(&button);
  }
  ASSERT_EQ(hens.size(), 2u);
  Click(*hens[1]);
  Click(*hens[1]);
  EXPECT_EQ(Counts().CorrectCount, 2);
  EXPECT_EQ(Counts().WrongCount, 0);
}

TEST_F(Game07FormTests, ARightClickSpeaksTheWordAndTheListenButtonTheSentence) {
  Open(kScenes);
  Click(ButtonFor("sun"), mouse_buttons::kRight);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "sun.wav");
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames().back(), "bird-sentence.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
}

TEST_F(Game07FormTests, ButtonsStandInTwoRowsBelowTheSentencesAndTheLargestFontStillFits) {
  Open({{"beach.jpg", "I can see a big red", "crab", "on the warm yellow sand by the sea."},
        {"beach.jpg", "A", "boat", "floats."},
        {"beach.jpg", "The", "sun", "is hot."},
        {"beach.jpg", "A", "shell", "is on the sand."}},
       [](ProfileStore& profile) { profile.SetFontSize(GameIdOf(7), 32); });
  ASSERT_EQ(Game().Sentences().size(), 4u);
  const auto& buttons = Game().WordButtons();
  const auto& last = Game().Sentences().back();
  EXPECT_EQ(buttons[0].Y, last.Bottom() + 50);
  EXPECT_EQ(buttons[1].Y, buttons[0].Y);
  EXPECT_EQ(buttons[2].Y, buttons[0].Bottom() + 15);
  EXPECT_EQ(buttons[0].MiddleX(), 320);
  EXPECT_EQ(buttons[1].MiddleX(), 480);
  for (const auto& sentence : Game().Sentences()) {
    EXPECT_LE(sentence.Right(), 800) << sentence.Label;
  }
}

}  // namespace
}  // namespace tavlo
