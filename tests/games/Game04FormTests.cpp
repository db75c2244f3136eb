#include <gtest/gtest.h>

#include <optional>

#include "games/Game04Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

class Game04FormTests : public testing::GameTest<Game04Form> {
 protected:
  Game04FormTests() {
    SetFeedbackSoundLengths(200, 200, 200);
    for (const char* word : {"ant", "bee", "cat", "dog", "eel"}) {
      platform.Sound.SetLength(std::string(word) + ".wav", 700);
    }
  }

  // A row whose first sentence fits (Correct 0) unless told otherwise.
  static testing::TableRow Row(const std::string& word, std::optional<int> correct = 0) {
    testing::TableRow row = {{"Word", word},
                             {"Image", word + ".png"},
                             {"Sound", word + ".wav"},
                             {"SentenceA", "A " + word + " is here."},
                             {"SentenceB", "No " + word + " at all."}};
    if (correct) row["Correct"] = std::to_string(*correct);
    return row;
  }

  const SpriteClass& Sentence(const std::string& text) { return WithText(Texts(), text); }
  // The sentence buttons with their sentences as Text, to find them by it.
  std::vector<SpriteClass> Texts() {
    std::vector<SpriteClass> buttons(Game().SentenceButtons().begin(),
                                     Game().SentenceButtons().end());
    for (SpriteClass& button : buttons) button.Text = button.Label;
    return buttons;
  }

  const std::vector<testing::TableRow> kFive = {Row("ant"), Row("bee"), Row("cat"), Row("dog"),
                                                Row("eel")};
};

TEST_F(Game04FormTests, TheCorrectColumnMarksTheFittingSentenceWhereverItStands) {
  OpenGame({Row("ant", 0), Row("bee", 1), Row("cat", std::nullopt), Row("dog", 2)});
  const auto& buttons = Game().SentenceButtons();
  // The right sentence of each picture: A, B, A for an empty column, none for 2.
  const std::vector<std::string> right = {"A ant is here.", "No bee at all.", "A cat is here.", ""};
  for (size_t i = 0; i < Game04Form::kPictures; ++i) {
    const SpriteClass& first = buttons[2 * i];
    const SpriteClass& second = buttons[2 * i + 1];
    EXPECT_EQ(first.Value3 + second.Value3, right[i].empty() ? 0 : 1) << "picture " << i;
    if (!right[i].empty()) {
      EXPECT_EQ((first.Value3 == 1 ? first : second).Label, right[i]);
    }
    // The two sentences of a picture are its own two.
    EXPECT_NE(first.Label, second.Label);
    EXPECT_NE(first.Label.find(Game().Targets()[i].Label.substr(0, 3)), std::string::npos);
  }
}

TEST_F(Game04FormTests, OnlyTheCurrentPicturesSentencesAnswer) {
  OpenGame(kFive);
  Click(Sentence("A bee is here."));
  Click(Sentence("No ant at all."), 2);
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  Click(Sentence("No ant at all."));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentPicture(), 0);

  platform.Sound.SetLength("ant.wav", 900);
  Click(Sentence("A ant is here."));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().CurrentPicture(), 1);
  EXPECT_FALSE(Game().SentenceButtons()[0].Visible);
  EXPECT_FALSE(Game().SentenceButtons()[1].Visible);
  // The fitting sentence is read after the answer's sound.
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[names.size() - 2], "correct0.wav");
  EXPECT_EQ(platform.Sound.Waves.back().File.parent_path().filename(), "game04");
  // The switches now reach the next picture's two sentences, the first highlighted.
  EXPECT_EQ(Game().Switches().Count(), 2u);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(Game().SentenceButtons()[2]));
  Press(keys::kSpace);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(Game().SentenceButtons()[3]));
  Press(keys::kEnter);
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 3);
}

TEST_F(Game04FormTests, OneSwitchScanningGoesRoundTheCurrentPicturesTwoSentencesOnly) {
  OpenGame(kFive, [](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 1;
  });
  const auto& buttons = Game().SentenceButtons();
  std::vector<std::pair<int, int>> visited;
  for (int step = 0; step < 3; ++step) {
    Wait(1000);
    visited.push_back(platform.Warps.back());
  }
  EXPECT_EQ(visited, (std::vector<std::pair<int, int>>{testing::MiddleOf(buttons[0]),
                                                       testing::MiddleOf(buttons[1]),
                                                       testing::MiddleOf(buttons[0])}));
}

TEST_F(Game04FormTests, TheFourthPictureEndsTheSetWithARewardSoundAndTheNextFourFollow) {
  OpenGame(kFive, [](ProfileStore& profile) {
    profile.SetReward(GameIdOf(kNumber), 1);
    profile.SetRewardFrequency(GameIdOf(kNumber), 1);
  });
  for (const char* word : {"ant", "bee", "cat", "dog"}) {
    Click(Sentence(std::string("A ") + word + " is here."));
  }
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Game().CurrentPicture(), 0);
  EXPECT_EQ(Game().Targets()[0].Label, "eel.wav");
  for (const SpriteClass& button : Game().SentenceButtons()) EXPECT_TRUE(button.Visible);
}

}  // namespace
}  // namespace tavlo
