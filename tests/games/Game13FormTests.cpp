#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "engine/Random.h"
#include "games/Game13Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

// A row of Game 13 whose right word is its first text, so that any other
// place it takes on screen comes from the game's shuffle.
testing::TableRow PictureRow(const std::string& word, const std::string& a, const std::string& b,
                             const std::string& c) {
  return {{"Word", word},   {"Image", "picture.png"}, {"Sound", word + ".wav"}, {"SentenceA", word},
          {"SentenceB", a}, {"SentenceC", b},         {"SentenceD", c},         {"Correct", "0"}};
}

// In word order.
const std::vector<testing::TableRow> kRows = {
    PictureRow("bear", "pear", "beard", "bean"), PictureRow("cat", "cap", "car", "can"),
    PictureRow("duck", "dock", "luck", "tuck"),  PictureRow("fish", "dish", "wish", "fist"),
    PictureRow("goat", "boat", "coat", "goal"),
};

class Game13FormTests : public testing::GameTest<Game13Form> {
 protected:
  Game13FormTests() {
    SetFeedbackSoundLengths();
    AddWordPicture("picture.png");
    for (const auto& row : kRows) platform.Sound.SetLength(row.at("Sound"), 500);
    OpenGame(kRows);
  }

  const Game13Form::WordItem& Word(int group, int k) { return Game().Words()[4 * group + k]; }
  // The place of the right word of the group (Right) or of its first wrong one.
  int PlaceOf(int group, bool right = true) {
    for (int k = 0; k < 4; ++k) {
      if (Word(group, k).Right == right) return k;
    }
    return -1;
  }
  const SpriteClass& RightOf(int group) { return Word(group, PlaceOf(group)).Place; }
  const SpriteClass& WrongOf(int group) { return Word(group, PlaceOf(group, false)).Place; }
  int VisibleWordsOf(int group) {
    int visible = 0;
    for (int k = 0; k < 4; ++k) visible += Word(group, k).Place.Visible;
    return visible;
  }

  FixedRandomSeed seed{13};
};

TEST_F(Game13FormTests, ARoundDealsFourRecordsWithTheRightWordAtARandomPlace) {
  ASSERT_TRUE(Game().IsLoaded());
  for (int g = 0; g < 4; ++g) {
    const testing::TableRow& row = kRows[static_cast<size_t>(g)];
    std::multiset<std::string> texts;
    for (int k = 0; k < 4; ++k) texts.insert(Word(g, k).Place.Text);
    EXPECT_EQ(texts, (std::multiset<std::string>{row.at("SentenceA"), row.at("SentenceB"),
                                                 row.at("SentenceC"), row.at("SentenceD")}));
    EXPECT_EQ(RightOf(g).Text, row.at("Word"));
  }
  std::set<int> places;
  for (int round = 0; round < 4; ++round) {
    for (int g = 0; g < 4; ++g) places.insert(PlaceOf(g));
    Click(Game().gNextButton);
    // The second round takes the fifth record, then wraps to the first.
    if (round == 0) {
      EXPECT_EQ(RightOf(0).Text + " " + RightOf(1).Text, "goat bear");
    }
  }
  EXPECT_EQ(places.size(), 4u);
}

TEST_F(Game13FormTests, ARightWordLeavesOnlyItselfAndTheSwitchesMoveToTheNextPicture) {
  ASSERT_TRUE(ScanAndSelect(WrongOf(0)));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(VisibleWordsOf(0), 4);

  ASSERT_TRUE(ScanAndSelect(RightOf(0)));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().AnsweredCount(), 1);
  EXPECT_EQ(VisibleWordsOf(0), 1);
  EXPECT_TRUE(RightOf(0).Visible);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "bear.wav");
  EXPECT_TRUE(ScanTo(RightOf(1), 5));
  EXPECT_FALSE(ScanTo(WrongOf(2), 5));
}

TEST_F(Game13FormTests, TheMouseAnswersAnyPictureOnceAndHiddenWordsAreGone) {
  const auto hidden_place = testing::MiddleOf(WrongOf(2));
  Click(RightOf(2));
  EXPECT_TRUE(Game().Groups()[2].Answered);
  // The found word again, where a hidden word stood, another button on a word: nothing counts.
  Click(RightOf(2));
  Click(hidden_place.first, hidden_place.second);
  Click(RightOf(0), mouse_buttons::kRight);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Counts().WrongCount, 0);
  // A picture says its word; the switches begin with the first picture still open.
  Click(Game().Groups()[1].Picture);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "cat.wav");
  EXPECT_TRUE(ScanTo(RightOf(0), 5));
}

TEST_F(Game13FormTests, FourPicturesEndTheRoundWithARewardSoundAfterTheLastWord) {
  for (int g = 3; g >= 0; --g) Click(RightOf(g));
  EXPECT_EQ(Counts().CorrectCount, 4);
  const auto& waves = platform.Sound.Waves;
  ASSERT_GE(waves.size(), 2u);
  const auto& last_word = waves[waves.size() - 2];
  EXPECT_EQ(last_word.File.filename(), "bear.wav");
  EXPECT_EQ(last_word.CutAt, -1) << "the reward sound cut off the last word";
  EXPECT_EQ(waves.back().Length, 1000);
  EXPECT_EQ(Game().AnsweredCount(), 0);
  EXPECT_EQ(VisibleWordsOf(0), 4);
  EXPECT_EQ(RightOf(0).Text, "goat");
}

}  // namespace
}  // namespace tavlo
