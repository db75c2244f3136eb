#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <vector>

#include "engine/MilliTimer.h"
#include "engine/Random.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

// The fake clock stands still unless a test moves it, so every draw below
// happens within one millisecond: exactly the case where re-seeding from the
// clock alone would repeat the same number.
class RandomTests : public ::testing::Test {
 protected:
  testing::FakePlatform platform;
  ClockSource clock{platform};
};

TEST_F(RandomTests, ASingleValueRangeAlwaysGivesThatValue) {
  for (int i = 0; i < 200; ++i) ASSERT_EQ(RandomInt(5, 5), 5);
}

TEST_F(RandomTests, DrawsCoverTheWholeRangeEvenlyAndNothingElse) {
  constexpr int kDraws = 40'000;
  std::map<int, int> counts;
  for (int i = 0; i < kDraws; ++i) ++counts[RandomInt(0, 3)];
  ASSERT_EQ(counts.size(), 4u);
  EXPECT_EQ(counts.begin()->first, 0);
  EXPECT_EQ(counts.rbegin()->first, 3);
  // 10,000 expected per value; the standard deviation is about 87.
  for (const auto& [value, count] : counts) {
    EXPECT_NEAR(count, kDraws / 4, 500) << value;
  }
}

TEST_F(RandomTests, NegativeRangesWork) {
  std::set<int> seen;
  for (int i = 0; i < 500; ++i) seen.insert(RandomInt(-2, 1));
  EXPECT_EQ(seen, (std::set<int>{-2, -1, 0, 1}));
}

TEST_F(RandomTests, DrawsWithinOneMillisecondAreIndependent) {
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(RandomInt(0, 999'999));
  EXPECT_GT(seen.size(), 990u);

  // A game's left/right order for four items, drawn in one go: all four the
  // same must be the exception (1 in 8), not the rule.
  int all_same = 0;
  for (int round = 0; round < 800; ++round) {
    std::array<int, 4> sides{};
    for (int& side : sides) side = RandomInt(0, 1);
    if (std::all_of(sides.begin(), sides.end(), [&](int s) { return s == sides[0]; })) {
      ++all_same;
    }
  }
  EXPECT_NEAR(all_same, 100, 40);
}

TEST_F(RandomTests, ShuffleKeepsTheItemsAndReachesEveryOrder) {
  std::map<std::vector<int>, int> orders;
  for (int round = 0; round < 4000; ++round) {
    std::vector<int> items{1, 2, 3, 4};
    ShuffleObjects(items);
    std::vector<int> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, (std::vector<int>{1, 2, 3, 4}));
    ++orders[items];
  }
  EXPECT_EQ(orders.size(), 24u);
  // The unshuffled order may come, but not as the usual result.
  EXPECT_LT((orders[{1, 2, 3, 4}]), 400);
}

TEST_F(RandomTests, ShufflingNothingOrOneItemIsHarmless) {
  std::vector<int> none;
  ShuffleObjects(none);
  EXPECT_TRUE(none.empty());
  std::vector<int> one{7};
  ShuffleObjects(one);
  EXPECT_EQ(one, std::vector<int>{7});
}

TEST_F(RandomTests, AFixedSeedRepeatsItsDrawsAndAGuardGivesTheStateBack) {
  auto draw = [](int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) draws.push_back(RandomInt(0, 1000));
    return draws;
  };
  std::vector<int> twenty;
  {
    FixedRandomSeed seed(42);
    twenty = draw(20);
  }
  platform.AdvanceMilliseconds(123);
  FixedRandomSeed seed(42);
  std::vector<int> again = draw(10);
  {
    // A nested guard must not disturb the sequence around it.
    FixedRandomSeed inner(7);
    draw(5);
  }
  for (int value : draw(10)) again.push_back(value);
  EXPECT_EQ(again, twenty);
}

}  // namespace
}  // namespace tavlo
