#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "engine/Random.h"
#include "games/Game14Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

class Game14FormTests : public testing::GameTest<Game14Form> {
 protected:
  Game14FormTests() {
    SetFeedbackSoundLengths();
    AddWordPicture("thing.png");
    platform.Sound.SetLength("two.wav", 400);
  }

  // A row per word, in word order, each with its Num: "two <word>s", said
  // as "two" and "<word>s".
  Game14Form& Open(const std::vector<std::pair<std::string, std::string>>& words_and_nums,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    std::vector<testing::TableRow> table;
    for (const auto& [word, num] : words_and_nums) {
      table.push_back({{"Word", word},
                       {"Image", "thing.png"},
                       {"Sound", word + "s.wav"},
                       {"Sentence", "two " + word + "s"},
                       {"StrNum", "two"},
                       {"Num", num}});
      platform.Sound.SetLength(word + "s.wav", 500);
    }
    return OpenGame(table, configure);
  }
  Game14Form& Open(const std::function<void(ProfileStore&)>& configure = {}) {
    return Open({{"ant", "2"}, {"bee", "3"}, {"cat", "4"}, {"dog", "5"}, {"elk", "3"}}, configure);
  }

  int VisibleCopies(int item) {
    int shown = 0;
    for (int c = 0; c < 4; ++c) shown += Game().Copies()[static_cast<size_t>(4 * item + c)].Visible;
    return shown;
  }
  const SpriteClass& ButtonOf(int item) { return Game().Items()[static_cast<size_t>(item)].Button; }
};

TEST_F(Game14FormTests, EachFrameShowsSixLessNumCopiesAndAllFourForTwoOrLess) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"0", 4}, {"2", 4}, {"3", 3}, {"4", 2}, {"5", 1}, {"6", 0}, {"9", 0}, {"many", 4}};
  std::vector<std::pair<std::string, std::string>> rows;
  for (size_t i = 0; i < cases.size(); ++i) rows.push_back({{char('a' + i), 't'}, cases[i].first});
  Open(rows);
  for (size_t round = 0; round < 2; ++round) {
    for (int item = 0; item < 4; ++item) {
      const auto& [num, shown] = cases[4 * round + static_cast<size_t>(item)];
      EXPECT_EQ(VisibleCopies(item), shown) << "Num " << num;
    }
    Click(Game().gNextButton);
  }
}

TEST_F(Game14FormTests, ARoundDealsFourRecordsAndTheirButtonsInARandomOrder) {
  FixedRandomSeed seed(14);
  Open();
  EXPECT_EQ(ButtonOf(0).Text, "two ants");
  EXPECT_EQ(ButtonOf(3).Text, "two dogs");
  std::set<int> first_button_places;
  for (int round = 0; round < 6; ++round) {
    std::set<int> places;
    for (const auto& item : Game().Items()) places.insert(item.Place);
    EXPECT_EQ(places.size(), 4u);
    first_button_places.insert(Game().Items()[0].Place);
    // The switches visit the buttons by their places, in reading order.
    Press(keys::kSpace);
    const auto& first_place = *std::find_if(Game().Items().begin(), Game().Items().end(),
                                            [](const auto& item) { return item.Place == 0; });
    EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(first_place.Button));
    Click(Game().gNextButton);
  }
  EXPECT_GT(first_button_places.size(), 1u);
}

TEST_F(Game14FormTests, ALaterPicturesWordIsWrongUntilItsPictureIsCurrent) {
  Open();
  Click(ButtonOf(1));
  EXPECT_EQ(Counts().WrongCount, 1);
  Click(ButtonOf(0));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().CurrentItem(), 1);
  // An answered picture's word is wrong now, the next one right.
  Click(ButtonOf(0));
  EXPECT_EQ(Counts().WrongCount, 2);
  ASSERT_TRUE(ScanAndSelect(ButtonOf(1)));
  EXPECT_EQ(Counts().CorrectCount, 2);
  EXPECT_EQ(Game().CurrentItem(), 2);
}

TEST_F(Game14FormTests, APictureSaysItsNumberToTheEndThenItsNoun) {
  Open();
  Click(Game().Items()[2].Frame);
  const auto& waves = platform.Sound.Waves;
  ASSERT_GE(waves.size(), 2u);
  EXPECT_EQ(waves[waves.size() - 2].File.filename(), "two.wav");
  EXPECT_EQ(waves[waves.size() - 2].CutAt, -1);
  EXPECT_EQ(waves.back().File.filename(), "cats.wav");
  // The listen key says the current picture; a right click says a button, counting nothing.
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ants.wav");
  Click(ButtonOf(3), mouse_buttons::kRight);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "dogs.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
}

TEST_F(Game14FormTests, FourRightAnswersEndTheRoundAndEveryFewRoundsTheRewardAnimalComes) {
  for (int praise = 0; praise < 10; ++praise) {
    platform.Sound.SetLength(std::to_string(praise) + ".wav", 800);
  }
  Open([](ProfileStore& profile) { profile.SetRewardFrequency("Game14", 2); });
  auto praises = [this] {
    const auto names = platform.Sound.WaveNames();
    return std::count_if(names.begin(), names.end(),
                         [](const std::string& name) { return std::isdigit(name[0]) != 0; });
  };
  for (int item = 0; item < 4; ++item) Click(ButtonOf(item));
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Game().CurrentItem(), 0);
  EXPECT_EQ(ButtonOf(0).Text, "two elks");
  EXPECT_EQ(praises(), 0);
  for (int item = 0; item < 4; ++item) Click(ButtonOf(item));
  EXPECT_EQ(praises(), 1);
}

}  // namespace
}  // namespace tavlo
