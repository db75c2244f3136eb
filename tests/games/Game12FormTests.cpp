#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "games/Game12Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

struct Row {
  std::string Word;
  std::array<std::string, 4> Box;
};

// Rows in word order; each box holds its word at a different place.
const std::vector<Row> kRows = {
    {"bed", {"bed", "bad", "bid", "bud"}}, {"cat", {"cot", "cat", "cut", "kit"}},
    {"dog", {"dig", "dug", "dog", "log"}}, {"hen", {"pen", "ten", "men", "hen"}},
    {"pig", {"pig", "big", "dig", "peg"}},
};

class Game12FormTests : public testing::GameTest<Game12Form> {
 protected:
  Game12FormTests() {
    SetFeedbackSoundLengths();
    for (const Row& row : kRows) platform.Sound.SetLength(row.Word + ".wav", 500);
  }

  // Each row's box, its spoken word marked right where it stands.
  Game12Form& Open(const std::function<void(ProfileStore&)>& configure = {}) {
    std::vector<testing::TableRow> table;
    for (const Row& row : kRows) {
      const auto at = std::find(row.Box.begin(), row.Box.end(), row.Word) - row.Box.begin();
      table.push_back({{"Word", row.Word},
                       {"Sound", row.Word + ".wav"},
                       {"SentenceA", row.Box[0]},
                       {"SentenceB", row.Box[1]},
                       {"SentenceC", row.Box[2]},
                       {"SentenceD", row.Box[3]},
                       {"Correct", std::to_string(at)}});
    }
    return OpenGame(table, configure);
  }

  const Game12Form::WordItem& Item(int box, int k) { return Game().Items()[4 * box + k]; }
  // The right word of the box.
  const Game12Form::WordItem& RightOf(int box) {
    for (int k = 0; k < 4; ++k) {
      if (Item(box, k).Right) return Item(box, k);
    }
    return Item(box, 0);
  }

  std::vector<std::string> BoxWords(int box) {
    std::vector<std::string> words;
    for (int k = 0; k < 4; ++k) words.push_back(Item(box, k).Place.Text);
    return words;
  }
  std::string LastWave() { return platform.Sound.WaveNames().back(); }
};

TEST_F(Game12FormTests, ARoundDealsFourRecordsInOrderAndWrapsAroundTheList) {
  Open();
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(BoxWords(0), (std::vector<std::string>{"bed", "bad", "bid", "bud"}));
  EXPECT_EQ(BoxWords(3), (std::vector<std::string>{"pen", "ten", "men", "hen"}));
  EXPECT_TRUE(Item(1, 1).Right);
  EXPECT_EQ(std::count_if(Game().Items().begin(), Game().Items().end(),
                          [](const auto& item) { return item.Right; }),
            4);
  EXPECT_EQ(state.WordLists.gWordIndex, 4);
  // The next round takes the fifth record, then wraps to the first.
  Click(Game().gNextButton);
  EXPECT_EQ(BoxWords(0)[0], "pig");
  EXPECT_EQ(BoxWords(1)[0], "bed");
  EXPECT_EQ(state.WordLists.gWordIndex, 3);
}

TEST_F(Game12FormTests, TheRoundAsksTheFirstBoxsWordAndListenRepeatsIt) {
  Open();
  EXPECT_EQ(LastWave(), "bed.wav");
  platform.Sound.Waves.clear();
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames(), (std::vector<std::string>{"bed.wav"}));
}

TEST_F(Game12FormTests, OnlyTheCurrentBoxIsScannedAndARightAnswerMovesToTheNext) {
  Open();
  // Four steps visit the first box's words, the fifth comes back to its first.
  std::vector<std::pair<int, int>> visited;
  for (int step = 0; step < 5; ++step) {
    Press(keys::kSpace);
    visited.push_back(platform.Warps.back());
  }
  for (int k = 0; k < 4; ++k)
    EXPECT_EQ(visited[static_cast<size_t>(k)], testing::MiddleOf(Item(0, k).Place));
  EXPECT_EQ(visited[4], visited[0]);

  ASSERT_TRUE(ScanAndSelect(RightOf(0).Place));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Item(0, 0).Done);
  EXPECT_EQ(Game().CurrentBox(), 1);
  // The found word is said again, then the second box's word is asked.
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
            (std::vector<std::string>{"correct0.wav", "bed.wav", "cat.wav"}));
  EXPECT_FALSE(ScanTo(Item(0, 2).Place, 8));
  EXPECT_TRUE(ScanTo(Item(1, 3).Place, 8));
}

TEST_F(Game12FormTests, AWrongWordCountsAndIsMarkedWhileTheBoxStaysCurrent) {
  Open();
  Click(Item(0, 2).Place);
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Counts().CorrectCount, 0);
  EXPECT_TRUE(Item(0, 2).Missed);
  EXPECT_EQ(Game().CurrentBox(), 0);
  EXPECT_EQ(LastWave(), "wrong0.wav");
  // Finding the word clears the box's marks.
  Click(Item(0, 0).Place);
  EXPECT_FALSE(Item(0, 2).Missed);
}

TEST_F(Game12FormTests, TheMouseReachesEveryBoxButOnlyTheCurrentOneAnswers) {
  Open();
  // The right word of a later box is not the word asked now.
  Click(RightOf(2).Place);
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Counts().CorrectCount, 0);
  EXPECT_FALSE(RightOf(2).Done);
  EXPECT_FALSE(Item(2, 2).Missed);
  EXPECT_EQ(Game().CurrentBox(), 0);
  // A finished box's word counts nothing more.
  Click(RightOf(0).Place);
  Click(RightOf(0).Place);
  Click(Item(0, 3).Place);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentBox(), 1);
}

TEST_F(Game12FormTests, FourRightAnswersEndTheRoundWithARewardSoundAfterTheLastWord) {
  Open();
  for (int box = 0; box < 4; ++box) Click(RightOf(box).Place);
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Game().CurrentBox(), 0);
  EXPECT_EQ(BoxWords(0)[0], "pig");
  EXPECT_EQ(state.WordLists.gWordIndex, 3);

  // The last word is heard to its end, then a reward sound plays.
  const auto& waves = platform.Sound.Waves;
  const auto last_word = std::find_if(waves.rbegin(), waves.rend(), [](const auto& wave) {
    return wave.File.filename() == "hen.wav";
  });
  ASSERT_NE(last_word, waves.rend());
  EXPECT_EQ(last_word->CutAt, -1) << "the reward sound cut off the last word";
  ASSERT_NE(last_word, waves.rbegin());
  EXPECT_EQ(std::prev(last_word)->Length, 1000);
  // The new round asks its first word.
  EXPECT_EQ(platform.Sound.WaveNames().back(), "pig.wav");
}

TEST_F(Game12FormTests, OneSwitchStepsThroughTheBoxByItself) {
  Open([](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
  });
  Wait(2 * 2000 + 100);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(Item(0, 1).Place));
  Press(keys::kEnter);
  EXPECT_EQ(Counts().WrongCount, 1);
  // The steps go on round the box to its first word, the right one.
  const auto first = testing::MiddleOf(Item(0, 0).Place);
  for (int waited = 0; waited < 10000 && platform.Warps.back() != first; waited += 100) Wait(100);
  Press(keys::kEnter);
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().CurrentBox(), 1);
}

}  // namespace
}  // namespace tavlo
