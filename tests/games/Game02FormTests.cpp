#include <gtest/gtest.h>

#include <set>

#include "games/Game02Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

// Game 2 and Game 5 share CoveredPicturesGame: its rules (dealing, picking,
// the end of a set) are tested here, once.
class Game02FormTests : public testing::GameTest<Game02Form> {
 protected:
  Game02FormTests() { SetFeedbackSoundLengths(200, 200, 200); }

  // Rows of a word, its hint and its sentence; the recording is the word's.
  static testing::TableRow Row(const std::string& word, const std::string& sentence,
                               const std::string& hint = "A hint.") {
    return {{"Word", word},
            {"Image", word + ".png"},
            {"Sound", word + ".wav"},
            {"Hint", hint},
            {"Sentence", sentence}};
  }

  const SpriteClass& ChoiceFor(const std::string& word) {
    return WithText(Game().Pictures().Choices(), word);
  }

  std::vector<std::string> SlotWords() {
    std::vector<std::string> words;
    for (const SpriteClass& target : Game().Pictures().Slots()) words.push_back(target.Text);
    return words;
  }

  // Five rows in word order: ant, bee, cat, dog, eel.
  const std::vector<testing::TableRow> kFive = {
      Row("ant", "A small insect is an"), Row("bee", "Honey comes from a"),
      Row("cat", "The pet that purrs is a"), Row("dog", "The pet that barks is a"),
      Row("eel", "A long fish is an")};
};

TEST_F(Game02FormTests, ASetIsFourRowsInARowOfferedAgainAsShuffledPictureChoices) {
  OpenGame(kFive);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(SlotWords(), (std::vector<std::string>{"ant", "bee", "cat", "dog"}));
  std::set<std::string> offered;
  for (const SpriteClass& choice : Game().Pictures().Choices()) offered.insert(choice.Text);
  EXPECT_EQ(offered, (std::set<std::string>{"ant", "bee", "cat", "dog"}));
  // The next set goes on from the fifth row and round to the start of the list.
  Click(Game().gNextButton);
  EXPECT_EQ(SlotWords(), (std::vector<std::string>{"eel", "ant", "bee", "cat"}));
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
}

TEST_F(Game02FormTests, ARightPickUncoversTheSlotReadsTheSentenceAndMovesOn) {
  platform.Sound.SetLength("A small insect is an.wav", 900);
  platform.Sound.SetLength("ant.wav", 400);
  OpenGame(kFive);
  EXPECT_EQ(Game().SentenceLine(0), "A small insect is an ___.");
  Click(ChoiceFor("bee"));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().Current(), 0);
  EXPECT_FALSE(Game().Pictures().Slots()[0].Selected);

  Click(ChoiceFor("ant"));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().Current(), 1);
  EXPECT_TRUE(Game().Pictures().Slots()[0].Selected);
  EXPECT_EQ(Game().SentenceLine(0), "A small insect is an ant.");
  // The answer's sound, then the sentence and the word it was missing.
  EXPECT_EQ(platform.Sound.LastWaveNames(3),
            (std::vector<std::string>{"correct0.wav", "A small insect is an.wav", "ant.wav"}));
}

TEST_F(Game02FormTests, TheFourthRightPickEndsTheSetWithARewardSoundAndDealsTheNext) {
  OpenGame(kFive);
  // The switches reach the choices in their shuffled order.
  for (const char* word : {"ant", "bee", "cat"}) ASSERT_TRUE(ScanAndSelect(ChoiceFor(word)));
  ASSERT_EQ(Game().Current(), 3);
  const size_t before = platform.Sound.Waves.size();
  Click(ChoiceFor("dog"));
  EXPECT_EQ(Counts().CorrectCount, 4);
  // A reward sound played after the answer's sound.
  EXPECT_GE(platform.Sound.Waves.size(), before + 2);
  EXPECT_EQ(Game().Current(), 0);
  EXPECT_EQ(SlotWords(), (std::vector<std::string>{"eel", "ant", "bee", "cat"}));
  for (const SpriteClass& target : Game().Pictures().Slots()) EXPECT_FALSE(target.Selected);
}

TEST_F(Game02FormTests, TwoRowsOfOneWordAreAnsweredByEitherOfTheirPictures) {
  OpenGame({Row("cat", "A cat sits on the", "It purrs."), Row("cat", "A cat drinks from a"),
            Row("dog", "The pet that barks is a"), Row("eel", "A long fish is an")});
  // One "cat" of the row answers the first slot and the second alike.
  Click(ChoiceFor("cat"));
  Click(ChoiceFor("cat"));
  EXPECT_EQ(Counts().CorrectCount, 2);
  EXPECT_EQ(Game().Current(), 2);
}

TEST_F(Game02FormTests, ASlotWithoutSentenceHasNoLineAndARightClickOnlySpeaks) {
  platform.Sound.SetLength("dog.wav", 300);
  OpenGame({Row("ant", ""), Row("bee", "Honey comes from a"), Row("cat", "A cat purrs."),
            Row("dog", "The pet that barks is a")});
  EXPECT_EQ(Game().SentenceLine(0), "");
  Click(ChoiceFor("dog"), 2);
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "dog.wav");
  // A pick still answers a slot without a sentence.
  Click(ChoiceFor("ant"));
  EXPECT_EQ(Counts().CorrectCount, 1);
}

}  // namespace
}  // namespace tavlo
