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
    platform.Sound.SetLength("correct0.wav", 300);
    platform.Sound.SetLength("wrong0.wav", 200);
    platform.Sound.SetLength("click.wav", 50);
    for (const char* reward : {"bells.wav", "chime.wav", "fanfare.wav", "hooray.wav", "sparkle.wav"}) {
      platform.Sound.SetLength(reward, 1000);
    }
  }

  Game09Form& Open(const std::vector<std::string>& words,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    std::vector<testing::TableRow> table;
    for (const auto& word : words) {
      table.push_back({{"Word", word}, {"Image", word + ".png"}, {"Sound", word + ".wav"}});
      platform.Sound.SetLength(word + ".wav", 400);
    }
    return OpenGame(table, configure);
  }

  const Game09Form::Entry& Current() {
    return Game().Words()[static_cast<size_t>(Game().CurrentWord())];
  }

  FixedRandomSeed seed;
};

TEST_F(Game09FormTests, TypedLettersFillTheCurrentWordInOrderWithoutRegardToCase) {
  Open(kDanish);
  ASSERT_TRUE(Game().IsLoaded());
  ASSERT_EQ(Current().Word, "\u00e6ble");
  Type("\u00c6");
  EXPECT_EQ(Current().NextLetter, 1);
  EXPECT_TRUE(Current().Squares[0].Selected);
  // A wrong letter counts and leaves the word where it was.
  Type("x");
  EXPECT_EQ(Current().NextLetter, 1);
  EXPECT_EQ(Counts().WrongCount, 1);
  // Space is the step switch, never a letter.
  Type(" ");
  EXPECT_EQ(Counts().WrongCount, 1);
  Type("BlE");
  EXPECT_EQ(Counts().CorrectCount, 4);
  // The word is complete and spoken; the next picture's word is current.
  EXPECT_EQ(Game().Words()[0].NextLetter, -1);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "\u00e6ble.wav");
  EXPECT_EQ(Game().CurrentWord(), 1);
}

TEST_F(Game09FormTests, TheSelectSwitchFillsTheCurrentWordAndCountsOtherPicturesWrong) {
  Open(kDanish);
  ASSERT_TRUE(ScanAndSelect(Game().Pictures()[1]));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().Words()[1].NextLetter, 0);
  ASSERT_TRUE(ScanAndSelect(Game().Pictures()[0]));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().Words()[0].NextLetter, -1);
  for (const auto& square : Game().Words()[0].Squares) {
    EXPECT_EQ(square.Selected, !square.Text.empty());
  }
  EXPECT_EQ(Game().CurrentWord(), 1);
}

TEST_F(Game09FormTests, AFullCrosswordEndsWithTheRewardAndTheNextCrossword) {
  Open(kDanish);
  const auto words = Game().Words().size();
  const std::string last_sound = Game().Words().back().Sound;
  for (size_t w = 0; w < words; ++w) ASSERT_TRUE(ScanAndSelect(Game().Pictures()[w]));
  EXPECT_EQ(Counts().CorrectCount, static_cast<int>(words));
  EXPECT_EQ(Counts().WrongCount, 0);
  // The last word is heard, then a reward sound; a fresh crossword follows,
  // searched for from the row after the last upright word.
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[names.size() - 2], last_sound);
  EXPECT_EQ(platform.Sound.Waves[names.size() - 2].CutAt, -1) << "the last word was cut off";
  EXPECT_TRUE(names.back() == "bells.wav" || names.back() == "chime.wav" ||
              names.back() == "fanfare.wav" || names.back() == "hooray.wav" ||
              names.back() == "sparkle.wav")
      << names.back();
  EXPECT_EQ(Game().CurrentWord(), 0);
  EXPECT_EQ(Current().NextLetter, 0);
  EXPECT_EQ(Current().Word, "\u00e6ble");
  for (const auto& entry : Game().Words()) {
    for (const auto& square : entry.Squares) EXPECT_FALSE(square.Selected);
  }
  // The next search starts after the upright word.
  EXPECT_EQ(state.WordLists.gWordIndex, 1);
}

TEST_F(Game09FormTests, ClickingASquareChoosesItsWordAndPicturesSpeakTheirWords) {
  Open(kDanish);
  const auto& crossing = Game().Words()[1];
  // The crossing word's own first square, away from the upright word.
  Click(crossing.Squares[0]);
  EXPECT_EQ(Game().CurrentWord(), 1);
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames().back(), crossing.Sound);
  Click(Game().Pictures()[0]);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "\u00e6ble.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  // Typing now fills the crossing word.
  Type(crossing.Letters[0]);
  EXPECT_EQ(Game().Words()[1].NextLetter, 1);
}

TEST_F(Game09FormTests, TheLetterKeyThatOpensTheGameIsNotTypedIntoIt) {
  WriteWordList("Game09", kDefaultList,
                {{{"Word", "iris"}, {"Image", "iris.png"}},
                 {{"Word", "ibis"}, {"Image", "ibis.png"}},
                 {{"Word", "kiwi"}, {"Image", "kiwi.png"}}});
  StartProgram();
  InputEvent down{EventType::KeyDown};
  down.KeyCode = 'I';
  platform.PushEvent(down);
  platform.PushText("i");
  app.DoEvents();
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  EXPECT_EQ(Current().NextLetter, 0);
}

TEST_F(Game09FormTests, AListThatCannotMakeACrosswordSaysSoAndCloses) {
  Open({"cat", "dog", "ox", "elephant"});
  EXPECT_FALSE(Game().IsLoaded());
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Title, "Error");
  EXPECT_EQ(platform.Messages[0].Icon, MessageIcon::Critical);
  EXPECT_EQ(platform.Messages[0].Text, state.Texts.InformationText(4));
  EXPECT_TRUE(menu.IsLoaded());
}

}  // namespace
}  // namespace tavlo
