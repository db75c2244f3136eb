#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "games/Game01Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

struct Row {
  std::string Word;
  std::string Image;
  std::array<int, 4> Correct{};
};

class Game01FormTests : public testing::GameTest<Game01Form> {
 protected:
  Game01FormTests() {
    platform.Sound.SetLength("correct0.wav", 300);
    platform.Sound.SetLength("wrong0.wav", 200);
  }

  // Game 1's rows: a word, its picture and which answer buttons are right.
  Game01Form& Open(const std::vector<Row>& rows) {
    std::vector<testing::TableRow> table;
    for (const Row& row : rows) {
      testing::TableRow& cells = table.emplace_back();
      cells["Word"] = row.Word;
      cells["Image"] = row.Image;
      cells["Sound"] = row.Word + ".wav";
      for (size_t m = 0; m < 4; ++m) {
        cells["Correct" + std::to_string(m)] = std::to_string(row.Correct[m]);
      }
    }
    return OpenGame(table);
  }

  std::vector<std::string> WordsShown() {
    std::vector<std::string> words;
    for (const auto& card : Game().WordCards()) words.push_back(card.Text);
    return words;
  }
};

const std::vector<Row> kFarm = {
    {"apple", "fruit.png", {0, 1, 0, 0}},   {"banana", "fruit.png", {1, 0, 0, 0}},
    {"egg", "breakfast.png", {0, 1, 0, 0}}, {"cup", "breakfast.png", {1, 0, 0, 0}},
    {"orange", "fruit.png", {0, 1, 0, 0}},
};

TEST_F(Game01FormTests, APictureShowsItsWordsFromTheCurrentEntryAroundTheList) {
  Open(kFarm);
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
  Open(rows);
  EXPECT_EQ(WordsShown(), (std::vector<std::string>{"ant", "bee", "cat", "dog"}));
}

TEST_F(Game01FormTests, ARightAnswerFillsTheBlankAndCountsAWrongOneOnlyCounts) {
  Open(kFarm);
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
  Open({{"egg", "breakfast.png", {0, 1, 0, 0}},
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
  Open(kFarm);
  std::filesystem::create_directories(DataFolder() / "speech/eng/game01");
  platform.Sound.SetLength(Game().Buttons()[1].Label + ".wav", 400);
  Click(Game().Buttons()[1], 2);
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 0);
  EXPECT_EQ(state.Profiles.Games[0].WrongCount, 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), Game().Buttons()[1].Label + ".wav");
}

TEST_F(Game01FormTests, ButtonsStandInOneRowUnderTheWords) {
  Open(kFarm);
  const auto& buttons = Game().Buttons();
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0].MiddleX(), 320);
  EXPECT_EQ(buttons[1].MiddleX(), 480);
  EXPECT_EQ(buttons[0].Y, Game().WordCards().back().Bottom() + 60);
  EXPECT_EQ(buttons[0].Y, buttons[1].Y);
}

}  // namespace
}  // namespace tavlo
