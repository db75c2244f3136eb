#include <gtest/gtest.h>

#include <set>

#include "engine/Random.h"
#include "games/CrosswordBuilder.h"
#include "wordlists/Letters.h"

namespace tavlo {
namespace {

std::vector<WordRecord> List(const std::vector<std::string>& words) {
  std::vector<WordRecord> list;
  for (const auto& word : words) list.emplace_back().Word = word;
  return list;
}

// Builds crosswords one after the other, checks every placing rule of each
// and returns the words that came out.
std::set<std::string> BuildChecked(const std::vector<std::string>& words, int upright_letters) {
  const auto list = List(words);
  const CrosswordBuilder builder(list);
  std::set<std::string> seen;
  std::int16_t position = 0;
  for (int build = 0; build < 300; ++build) {
    const auto crossword = builder.Build(position);
    if (!crossword) return {};
    const CrosswordWord& upright = crossword->front();
    const std::u32string upright_letters_found = UpperLetters(list[upright.Row].Word);
    EXPECT_EQ(upright.Length, upright_letters);
    EXPECT_EQ(static_cast<int>(upright_letters_found.size()), upright_letters);
    EXPECT_EQ(upright.Direction, WordDirection::Down);
    EXPECT_EQ(upright.Y, 75);
    EXPECT_TRUE(upright.X >= 200 && upright.X <= 520 && upright.X % 80 == 40);
    // The next search starts from the row after the upright word.
    EXPECT_EQ(position, static_cast<std::int16_t>((upright.Row + 1) % list.size()));
    std::set<std::string> words_here = {list[upright.Row].Word};
    int row = 0;
    for (auto across = crossword->begin() + 1; across != crossword->end(); ++across) {
      const std::u32string letters = UpperLetters(list[across->Row].Word);
      const int next_row = (across->Y - 75) / 80;
      // Every second letter from the second or third on...
      EXPECT_TRUE(row == 0 ? next_row == 1 || next_row == 2 : next_row == row + 2);
      row = next_row;
      // ...crossed at that letter's first place, fitting the screen with its end square.
      const auto place = letters.find(upright_letters_found[static_cast<size_t>(row)]);
      EXPECT_EQ(across->X + static_cast<int>(place) * 80, upright.X);
      EXPECT_GE(across->X, 200);
      EXPECT_LT(across->X + across->Length * 80, 800);
      EXPECT_EQ(across->Direction, WordDirection::Across);
      words_here.insert(list[across->Row].Word);
    }
    EXPECT_GE(row + 2, upright_letters) << "a letter was left uncrossed";
    EXPECT_EQ(words_here.size(), crossword->size()) << "a word came twice";
    seen.insert(words_here.begin(), words_here.end());
  }
  return seen;
}

TEST(CrosswordBuilderTests, EveryCrosswordKeepsThePlacingRulesAndEveryFittingWordComesOut) {
  FixedRandomSeed seed(7);
  // The words of five letters stand upright; every other word that holds one
  // of their crossed letters where it fits comes out, and Cat and hat, which
  // hold none, never do.
  const auto seen = BuildChecked({"apple", "bed", "cake", "Cat", "egg", "house", "lemon", "moon",
                                  "pen", "sun", "tent", "tree", "hat", "star", "bus", "dog"},
                                 5);
  EXPECT_EQ(seen, (std::set<std::string>{"apple", "house", "lemon", "bed", "cake", "egg", "pen",
                                         "sun", "tent", "tree", "star", "bus", "moon", "dog"}));
  // Without a word of five letters, one of four stands upright.
  EXPECT_FALSE(BuildChecked({"bee", "elm", "mole", "one", "ox", "lime"}, 4).empty());
  // Letters are letters, not bytes ("BÆRE" has four), and match without
  // regard to case in any alphabet.
  EXPECT_FALSE(
      BuildChecked({"B\u00c6RE", "\u00e6g", "\u00f8re", "sne", "r\u00e5"}, 4).empty());
}

TEST(CrosswordBuilderTests, ListsThatCanNeverMakeACrosswordEndInFailure) {
  const std::vector<std::vector<std::string>> lists = {
      // No word of four or five letters to stand upright.
      {"cat", "dog", "elephant", "ox", "hen"},
      // Only the upright word itself holds the letters to cross.
      {"abcde", "xbx", "yyb", "zcz", "cq"},
  };
  for (const auto& words : lists) {
    const auto list = List(words);
    std::int16_t position = 0;
    EXPECT_FALSE(CrosswordBuilder(list).Build(position)) << words.front();
  }
}

}  // namespace
}  // namespace tavlo
