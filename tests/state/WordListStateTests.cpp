#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Random.h"
#include "state/WordListState.h"

namespace tavlo {
namespace {

WordListState ListOf(int count) {
  WordListState state;
  for (int i = 0; i < count; ++i) {
    WordRecord record;
    record.Word = "w" + std::to_string(i);
    record.Texts = {"text of " + record.Word};
    record.Numbers = {i};
    state.gWords.push_back(record);
  }
  return state;
}

std::vector<std::string> Words(const WordListState& state) {
  std::vector<std::string> words;
  for (const auto& record : state.gWords) words.push_back(record.Word);
  return words;
}

class WordListStateTests : public ::testing::Test {
 protected:
  FixedRandomSeed seed_{20261208};
};

TEST_F(WordListStateTests, NextWordStepsAndWrapsPastTheLastRow) {
  WordListState state = ListOf(5);
  state.gWordIndex = 3;
  state.NextWord();
  EXPECT_EQ(state.gWordIndex, 4);
  state.NextWord();
  EXPECT_EQ(state.gWordIndex, 0);
}

TEST_F(WordListStateTests, TheWrapKeepsTheOrderUnlessTheGamePlaysInRandomOrder) {
  WordListState state = ListOf(12);
  const auto original = Words(state);
  state.gWordIndex = 11;
  state.NextWord();
  EXPECT_EQ(state.gWordIndex, 0);
  EXPECT_EQ(Words(state), original);

  state.gRandomWord = true;
  // Only the wrap shuffles: stepping inside the list leaves the order.
  for (int i = 0; i < 11; ++i) state.NextWord();
  EXPECT_EQ(Words(state), original);
  state.NextWord();
  EXPECT_EQ(state.gWordIndex, 0);
  EXPECT_NE(Words(state), original);
  auto sorted = Words(state);
  std::sort(sorted.begin(), sorted.end());
  auto expected = original;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sorted, expected);
}

TEST_F(WordListStateTests, AShuffleMovesWholeRecords) {
  WordListState state = ListOf(30);
  state.ShuffleWordList();
  EXPECT_NE(Words(state), Words(ListOf(30)));
  for (const auto& record : state.gWords) {
    const int number = std::stoi(record.Word.substr(1));
    EXPECT_EQ(record.Numbers, std::vector<std::int32_t>{number});
    EXPECT_EQ(record.Texts, std::vector<std::string>{"text of " + record.Word});
  }
}

TEST_F(WordListStateTests, ShufflingOneOrNoRowsChangesNothing) {
  WordListState one = ListOf(1);
  one.ShuffleWordList();
  EXPECT_EQ(Words(one), std::vector<std::string>{"w0"});
  WordListState none;
  none.ShuffleWordList();
  none.NextWord();
  EXPECT_EQ(none.gWordIndex, 0);
}

TEST_F(WordListStateTests, EveryPositionIsReachedByTheShuffle) {
  // Each row must be able to land anywhere: over many shuffles of four rows,
  // the first row is seen at every position.
  std::vector<int> seen(4, 0);
  for (int round = 0; round < 200; ++round) {
    WordListState state = ListOf(4);
    state.ShuffleWordList();
    for (int i = 0; i < 4; ++i) {
      if (state.gWords[static_cast<std::size_t>(i)].Word == "w0")
        ++seen[static_cast<std::size_t>(i)];
    }
  }
  for (int count : seen) EXPECT_GT(count, 20);
}

}  // namespace
}  // namespace tavlo
