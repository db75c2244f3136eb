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
  }

  Game13Form& Open() { return OpenGame(kRows); }

  std::vector<const Game13Form::WordItem*> WordsOf(int group) {
    std::vector<const Game13Form::WordItem*> words;
    for (int k = 0; k < 4; ++k) words.push_back(&Game().Words()[4 * group + k]);
    return words;
  }
  const Game13Form::WordItem& RightOf(int group) {
    for (const auto* word : WordsOf(group)) {
      if (word->Right) return *word;
    }
    return *WordsOf(group)[0];
  }
  const Game13Form::WordItem& WrongOf(int group) {
    for (const auto* word : WordsOf(group)) {
      if (!word->Right) return *word;
    }
    return *WordsOf(group)[0];
  }
  std::multiset<std::string> TextsOf(int group) {
    std::multiset<std::string> texts;
    for (const auto* word : WordsOf(group)) texts.insert(word->Place.Text);
    return texts;
  }
  int VisibleWordsOf(int group) {
    const auto words = WordsOf(group);
    return static_cast<int>(std::count_if(words.begin(), words.end(),
                                          [](const auto* word) { return word->Place.Visible; }));
  }
};

TEST_F(Game13FormTests, ARoundDealsFourRecordsWithTheirRightWordsAndWrapsAroundTheList) {
  Open();
  ASSERT_TRUE(Game().IsLoaded());
  for (int g = 0; g < 4; ++g) {
    const testing::TableRow& row = kRows[static_cast<size_t>(g)];
    EXPECT_EQ(TextsOf(g), (std::multiset<std::string>{row.at("SentenceA"), row.at("SentenceB"),
                                                      row.at("SentenceC"), row.at("SentenceD")}));
    EXPECT_EQ(RightOf(g).Place.Text, row.at("Word"));
    const auto words = WordsOf(g);
    EXPECT_EQ(
        std::count_if(words.begin(), words.end(), [](const auto* word) { return word->Right; }), 1);
  }
  EXPECT_EQ(Game().Groups()[2].Sound, "duck.wav");
  Click(Game().gNextButton);
  EXPECT_EQ(RightOf(0).Place.Text, "goat");
  EXPECT_EQ(RightOf(1).Place.Text, "bear");
  EXPECT_EQ(state.WordLists.gWordIndex, 3);
}

TEST_F(Game13FormTests, TheRightWordStandsAtARandomPlace) {
  FixedRandomSeed seed(13);
  Open();
  std::set<int> places;
  for (int round = 0; round < 4; ++round) {
    for (int g = 0; g < 4; ++g) {
      const auto words = WordsOf(g);
      places.insert(static_cast<int>(
          std::find_if(words.begin(), words.end(), [](const auto* word) { return word->Right; }) -
          words.begin()));
    }
    Click(Game().gNextButton);
  }
  EXPECT_EQ(places.size(), 4u);
}

TEST_F(Game13FormTests, ARightWordLeavesOnlyItselfAndTheSwitchesMoveToTheNextPicture) {
  Open();
  ASSERT_TRUE(ScanAndSelect(WrongOf(0).Place));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(VisibleWordsOf(0), 4);

  ASSERT_TRUE(ScanAndSelect(RightOf(0).Place));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().AnsweredCount(), 1);
  EXPECT_EQ(VisibleWordsOf(0), 1);
  EXPECT_TRUE(RightOf(0).Place.Visible);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "bear.wav");
  // The switches now step through the second picture's words only.
  EXPECT_TRUE(ScanTo(RightOf(1).Place, 5));
  EXPECT_FALSE(ScanTo(WrongOf(2).Place, 5));
}

TEST_F(Game13FormTests, TheMouseAnswersAnyPictureOnceAndHiddenWordsAreGone) {
  Open();
  const auto hidden_place = testing::MiddleOf(WrongOf(2).Place);
  Click(RightOf(2).Place);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Game().Groups()[2].Answered);
  // A second press on the found word, or on where a hidden word stood, counts nothing.
  Click(RightOf(2).Place);
  Click(hidden_place.first, hidden_place.second);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Counts().WrongCount, 0);
  // The switches begin with the first picture still to answer.
  EXPECT_TRUE(ScanTo(RightOf(0).Place, 5));
}

TEST_F(Game13FormTests, APictureSpeaksItsWordAndOtherButtonsOnAWordDoNothing) {
  Open();
  Click(Game().Groups()[1].Picture);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "cat.wav");
  Click(RightOf(0).Place, mouse_buttons::kRight);
  EXPECT_EQ(Counts().CorrectCount, 0);
  EXPECT_EQ(Counts().WrongCount, 0);
}

TEST_F(Game13FormTests, FourPicturesEndTheRoundWithARewardSoundAfterTheLastWord) {
  Open();
  for (int g = 3; g >= 0; --g) Click(RightOf(g).Place);
  EXPECT_EQ(Counts().CorrectCount, 4);
  const auto& waves = platform.Sound.Waves;
  ASSERT_GE(waves.size(), 2u);
  const auto& last_word = waves[waves.size() - 2];
  EXPECT_EQ(last_word.File.filename(), "bear.wav");
  EXPECT_EQ(last_word.CutAt, -1) << "the reward sound cut off the last word";
  EXPECT_EQ(waves.back().Length, 1000);
  // A new round: every word back, the next records dealt.
  EXPECT_EQ(Game().AnsweredCount(), 0);
  EXPECT_EQ(VisibleWordsOf(0), 4);
  EXPECT_EQ(RightOf(0).Place.Text, "goat");
}

}  // namespace
}  // namespace tavlo
