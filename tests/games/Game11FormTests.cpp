#include <gtest/gtest.h>

#include "games/Game11Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

class Game11FormTests : public testing::GameTest<Game11Form> {
 protected:
  // One row per sentence; its recording is "<first letter>-sentence.wav", and
  // every word of the sentences has a recording of its own.
  Game11Form& Open(const std::vector<std::string>& sentences) {
    SetFeedbackSoundLengths();
    return OpenRows(sentences, [this](const std::string& sentence) {
      const std::string sound = sentence.substr(0, 1) + "-sentence.wav";
      platform.Sound.SetLength(sound, 2000);
      for (const std::string& word : Game11Form::CutIntoWords(sentence)) {
        platform.Sound.SetLength(Game11Form::SpokenWord(word) + ".wav", 400);
      }
      return testing::TableRow{
          {"Word", sentence}, {"Image", "scene.jpg"}, {"Sound", sound}, {"SentenceA", sentence}};
    });
  }

  // The word sprite of the sentence's word number n.
  const SpriteClass& Word(int n) {
    for (const auto& word : Game().Words()) {
      if (word.Value1 == n) return word;
    }
    throw std::out_of_range("no such word");
  }
};

TEST(Game11WordsTests, ASentenceIsCutAfterEachBlankAndAWordIsSpokenWithoutItsEnd) {
  struct Case {
    std::string Sentence;
    std::vector<std::string> Words;
  };
  for (const Case& c : std::vector<Case>{
           {"The cat sat.", {"The ", "cat ", "sat."}},
           {"Run", {"Run"}},
           {"A  dog.", {"A ", " ", "dog."}},
           {"Go home. ", {"Go ", "home. "}},
           {"", {}},
       }) {
    EXPECT_EQ(Game11Form::CutIntoWords(c.Sentence), c.Words) << c.Sentence;
  }
  EXPECT_EQ(Game11Form::SpokenWord("The "), "The");
  EXPECT_EQ(Game11Form::SpokenWord("sat."), "sat");
  EXPECT_EQ(Game11Form::SpokenWord("Run"), "Run");
  EXPECT_EQ(Game11Form::SpokenWord("you? "), "you");
  EXPECT_EQ(Game11Form::SpokenWord(" "), "");
}

TEST_F(Game11FormTests, TheWordsStandShuffledInTwoColumnsAndAreAllScanned) {
  Open({"The cat is on the mat.", "I see a dog.", "We can run.", "My hat is red."});
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Game().Sentence(), "I see a dog.");
  const auto& words = Game().Words();
  ASSERT_EQ(words.size(), 4u);
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(words[i].X, i % 2 == 0 ? 20 : 610);
    EXPECT_EQ(words[i].Y, 100 + 80 * static_cast<int>(i / 2));
    EXPECT_EQ(words[i].Width, 170);
    EXPECT_EQ(words[i].Height, 40);
  }
  EXPECT_EQ(Game().Switches().Count(), 4u);
}

TEST_F(Game11FormTests, WordsArePointedOutInTheirOrderAndAFoundWordOutOfTurnIsWrong) {
  Open({"I see a dog.", "The cat is on the mat.", "We can run.", "My hat is red."});
  Click(Word(1));
  EXPECT_EQ(Counts().WrongCount, 1);
  platform.Sound.Waves.clear();
  Click(Word(0));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Word(0).Flag1);
  EXPECT_EQ(Game().NextWord(), 1);
  EXPECT_EQ(platform.Sound.WaveNames(), (std::vector<std::string>{"correct0.wav", "I.wav"}));
  // The switches step only through the words still to find.
  EXPECT_EQ(Game().Switches().Count(), 3u);
  Click(Word(0));
  EXPECT_EQ(Counts().WrongCount, 2);
  ASSERT_TRUE(ScanAndSelect(Word(1)));
  EXPECT_EQ(Counts().CorrectCount, 2);
}

TEST_F(Game11FormTests, TheLastWordReadsTheSentenceToItsEndThenARewardSoundAndTheNextSentence) {
  Open({"Hello.", "I see a dog.", "My hat is red.", "We can run."});
  ASSERT_EQ(Game().Words().size(), 1u);
  platform.Sound.Waves.clear();
  Click(Word(0));
  EXPECT_EQ(Counts().CorrectCount, 1);
  const auto& waves = platform.Sound.Waves;
  ASSERT_EQ(waves.size(), 4u);
  EXPECT_EQ(waves[2].File.filename(), "H-sentence.wav");
  EXPECT_EQ(waves[2].CutAt, -1);
  EXPECT_EQ(waves[3].File.parent_path().filename(), "rewards");
  EXPECT_EQ(Game().Sentence(), "I see a dog.");
  EXPECT_EQ(Game().NextWord(), 0);
}

TEST_F(Game11FormTests, ABlankWordHasItsTurnAndOtherButtonsSpeakAWord) {
  Open({"A  dog.", "I see a dog.", "My hat is red.", "We can run."});
  ASSERT_EQ(Game().Words().size(), 3u);
  Click(Word(0));
  Click(Word(2));
  EXPECT_EQ(Counts().WrongCount, 1);
  Click(Word(1));
  EXPECT_EQ(Counts().CorrectCount, 2);
  Click(Word(2), mouse_buttons::kRight);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "dog.wav");
  EXPECT_EQ(Counts().CorrectCount, 2);
}

}  // namespace
}  // namespace tavlo
