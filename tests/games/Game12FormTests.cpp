#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "games/Game12Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

// In word order; the spoken word is each box's first, second, third, fourth, first word.
const std::vector<std::array<std::string, 5>> kBoxes = {
    {"bed", "bed", "bad", "bid", "bud"}, {"cat", "cot", "cat", "cut", "kit"},
    {"dog", "dig", "dug", "dog", "log"}, {"hen", "pen", "ten", "men", "hen"},
    {"pig", "pig", "big", "dig", "peg"},
};

class Game12FormTests : public testing::GameTest<Game12Form> {
 protected:
  Game12FormTests() {
    SetFeedbackSoundLengths();
    std::vector<testing::TableRow> table;
    for (const auto& box : kBoxes) {
      platform.Sound.SetLength(box[0] + ".wav", 500);
      const auto at = std::find(box.begin() + 1, box.end(), box[0]) - box.begin() - 1;
      table.push_back({{"Word", box[0]},
                       {"Sound", box[0] + ".wav"},
                       {"SentenceA", box[1]},
                       {"SentenceB", box[2]},
                       {"SentenceC", box[3]},
                       {"SentenceD", box[4]},
                       {"Correct", std::to_string(at)}});
    }
    OpenGame(table);
  }

  const Game12Form::WordItem& Item(int box, int k) { return Game().Items()[4 * box + k]; }
  const SpriteClass& RightOf(int box) {
    for (int k = 0; k < 4; ++k) {
      if (Item(box, k).Right) return Item(box, k).Place;
    }
    return Item(box, 0).Place;
  }
};

TEST_F(Game12FormTests, ARoundDealsFourRecordsInOrderAndWrapsAroundTheList) {
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Item(0, 0).Place.Text, "bed");
  EXPECT_EQ(Item(3, 2).Place.Text, "men");
  EXPECT_TRUE(Item(1, 1).Right && Item(3, 3).Right);
  EXPECT_EQ(std::count_if(Game().Items().begin(), Game().Items().end(),
                          [](const auto& item) { return item.Right; }),
            4);
  // The first box's word is asked as the round appears.
  EXPECT_EQ(platform.Sound.LastWaveNames(1), std::vector<std::string>{"bed.wav"});
  // The next round takes the fifth record, then wraps to the first.
  Click(Game().gNextButton);
  EXPECT_EQ(Item(0, 0).Place.Text, "pig");
  EXPECT_EQ(Item(1, 0).Place.Text, "bed");
  EXPECT_EQ(state.WordLists.gWordIndex, 3);
}

TEST_F(Game12FormTests, OnlyTheCurrentBoxIsScannedAndARightAnswerMovesToTheNext) {
  std::vector<std::pair<int, int>> visited;
  for (int step = 0; step < 5; ++step) {
    Press(keys::kSpace);
    visited.push_back(platform.Warps.back());
  }
  for (int k = 0; k < 4; ++k) EXPECT_EQ(visited[size_t(k)], testing::MiddleOf(Item(0, k).Place));
  EXPECT_EQ(visited[4], visited[0]);

  Press(keys::kEnter);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Item(0, 0).Done);
  EXPECT_EQ(Game().CurrentBox(), 1);
  // The found word is said again, then the second box's word is asked.
  EXPECT_EQ(platform.Sound.LastWaveNames(3), (std::vector<std::string>{"correct0.wav", "bed.wav", "cat.wav"}));
  EXPECT_FALSE(ScanTo(Item(0, 2).Place, 8));
  EXPECT_TRUE(ScanTo(Item(1, 3).Place, 8));
}

TEST_F(Game12FormTests, OnlyTheCurrentBoxAnswersAndAFinishedBoxCountsNoMore) {
  // A wrong word of the box is counted and marked; the box stays.
  Click(Item(0, 2).Place);
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_TRUE(Item(0, 2).Missed);
  // The right word of a later box is not the word asked now, and is not marked.
  Click(RightOf(2));
  EXPECT_EQ(Counts().WrongCount, 2);
  EXPECT_FALSE(Item(2, 2).Missed || Item(2, 2).Done);
  EXPECT_EQ(Game().CurrentBox(), 0);
  // Finding the word clears the marks; pressing the finished box again does nothing.
  Click(RightOf(0));
  EXPECT_FALSE(Item(0, 2).Missed);
  Click(RightOf(0));
  Click(Item(0, 3).Place);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Counts().WrongCount, 2);
  EXPECT_EQ(Game().CurrentBox(), 1);
}

TEST_F(Game12FormTests, FourRightAnswersEndTheRoundWithARewardSoundAfterTheLastWord) {
  for (int box = 0; box < 4; ++box) Click(RightOf(box));
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Game().CurrentBox(), 0);
  EXPECT_EQ(Item(0, 0).Place.Text, "pig");
  const auto& waves = platform.Sound.Waves;
  const auto last_word = std::find_if(waves.rbegin(), waves.rend(), [](const auto& wave) {
    return wave.File.filename() == "hen.wav";
  });
  ASSERT_NE(last_word, waves.rbegin());
  EXPECT_EQ(last_word->CutAt, -1) << "the reward sound cut off the last word";
  EXPECT_EQ(std::prev(last_word)->Length, 1000);
  EXPECT_EQ(platform.Sound.LastWaveNames(1), std::vector<std::string>{"pig.wav"});
}

}  // namespace
}  // namespace tavlo
