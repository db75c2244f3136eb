#include <gtest/gtest.h>

#include "engine/Random.h"
#include "games/Game09Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

// Only "æble" has four letters, so it always stands upright; "bær" and "øre"
// cross its b and e, or "ål" its l.
const std::vector<std::string> kDanish = {"\u00e6ble", "b\u00e6r", "\u00f8re", "\u00e5l", "s\u00f8"};

class Game09FormTests : public testing::GameTest<Game09Form> {
 protected:
  Game09FormTests() : seed(9) {
    for (const char* reward : {"bells.wav", "chime.wav", "fanfare.wav", "hooray.wav", "sparkle.wav"}) {
      platform.Sound.SetLength(reward, 1000);
    }
  }

  Game09Form& Open(const std::vector<std::string>& words) {
    std::vector<testing::TableRow> table;
    for (const auto& word : words) {
      table.push_back({{"Word", word}, {"Image", word + ".png"}, {"Sound", word + ".wav"}});
      platform.Sound.SetLength(word + ".wav", 400);
    }
    return OpenGame(table);
  }

  const Game09Form::Entry& Word(int w) { return Game().Words()[static_cast<size_t>(w)]; }

  FixedRandomSeed seed;
};

TEST_F(Game09FormTests, TypedLettersFillTheCurrentWordInOrderWithoutRegardToCase) {
  Open(kDanish);
  ASSERT_EQ(Word(0).Word, "\u00e6ble");
  Type("\u00c6x ");
  // A wrong letter counts and leaves the word where it was; Space (the step
  // switch) is no letter at all.
  EXPECT_EQ(Word(0).NextLetter, 1);
  EXPECT_TRUE(Word(0).Squares[0].Selected);
  EXPECT_EQ(Counts().WrongCount, 1);
  Type("BlE");
  EXPECT_EQ(Counts().CorrectCount, 4);
  // The word is complete and spoken; the next picture's word is current.
  EXPECT_EQ(Word(0).NextLetter, -1);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "\u00e6ble.wav");
  EXPECT_EQ(Game().CurrentWord(), 1);
}

TEST_F(Game09FormTests, SwitchesFillWholeWordsAndAFullCrosswordEarnsTheRewardAndTheNext) {
  Open(kDanish);
  const std::string last_sound = Game().Words().back().Sound;
  // The picture of another word than the current one is wrong.
  ASSERT_TRUE(ScanAndSelect(Game().Pictures()[1]));
  EXPECT_EQ(Counts().WrongCount, 1);
  for (size_t w = 0; w < Game().Words().size(); ++w) {
    ASSERT_TRUE(ScanAndSelect(Game().Pictures()[w]));
    if (w == 0) {
      for (const auto& square : Word(0).Squares) EXPECT_EQ(square.Selected, !square.Text.empty());
    }
  }
  EXPECT_EQ(Counts().CorrectCount, static_cast<int>(Game().Words().size()));
  // The last word is heard to its end, then a reward sound; a fresh crossword
  // follows, searched for from the row after the upright word.
  const auto& waves = platform.Sound.Waves;
  ASSERT_GE(waves.size(), 2u);
  EXPECT_EQ(waves[waves.size() - 2].File.filename(), last_sound);
  EXPECT_EQ(waves[waves.size() - 2].CutAt, -1);
  EXPECT_EQ(waves.back().File.parent_path().filename(), "rewards");
  EXPECT_EQ(Game().CurrentWord(), 0);
  EXPECT_EQ(Word(0).NextLetter, 0);
  EXPECT_EQ(state.WordLists.gWordIndex, 1);
}

TEST_F(Game09FormTests, ClickingASquareChoosesItsWordAndPicturesSpeakTheirWords) {
  Open(kDanish);
  // The crossing word's first square; on a square both words share, the
  // word that is not current yet gets the turn.
  Click(Word(1).Squares[0]);
  EXPECT_EQ(Game().CurrentWord(), 1);
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames().back(), Word(1).Sound);
  Click(Game().Pictures()[0]);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "\u00e6ble.wav");
  Type(Word(1).Letters[0]);
  EXPECT_EQ(Word(1).NextLetter, 1);
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 1);
}

TEST_F(Game09FormTests, TheLetterKeyThatOpensTheGameIsNotTypedIntoIt) {
  WriteWordList("Game09", kDefaultList,
                {{{"Word", "iris"}}, {{"Word", "ibis"}}, {{"Word", "kiwi"}}});
  StartProgram();
  InputEvent down{EventType::KeyDown};
  down.KeyCode = 'I';
  platform.PushEvent(down);
  platform.PushText("i");
  app.DoEvents();
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
}

TEST_F(Game09FormTests, AListThatCannotMakeACrosswordSaysSoAndCloses) {
  Open({"cat", "dog", "ox", "elephant"});
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_TRUE(menu.IsLoaded());
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Title, "Error");
  EXPECT_EQ(platform.Messages[0].Icon, MessageIcon::Critical);
  EXPECT_EQ(platform.Messages[0].Text, state.Texts.InformationText(4));
}

}  // namespace
}  // namespace tavlo
