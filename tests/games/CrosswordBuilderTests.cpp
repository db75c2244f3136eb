#include <gtest/gtest.h>

#include <set>

#include "engine/Random.h"
#include "games/CrosswordBuilder.h"
#include "wordlists/Letters.h"

namespace tavlo {
namespace {

std::vector<WordRecord> List(const std::vector<std::string>& words) {
  std::vector<WordRecord> list;
  for (const auto& word : words) {
    WordRecord& record = list.emplace_back();
    record.Word = word;
  }
  return list;
}

// Checks every rule a built crossword keeps; returns the words it holds.
std::vector<std::string> CheckedWords(const std::vector<WordRecord>& list,
                                      const Crossword& crossword) {
  std::vector<std::string> words;
  EXPECT_GE(crossword.size(), 2u);
  const CrosswordWord& upright = crossword.front();
  const std::u32string upright_letters = UpperLetters(list[upright.Row].Word);
  EXPECT_EQ(upright.Direction, WordDirection::Down);
  EXPECT_EQ(upright.Length, static_cast<int>(upright_letters.size()));
  EXPECT_EQ(upright.Y, 75);
  EXPECT_EQ((upright.X - 200) % 80, 0);
  EXPECT_LE(upright.X, 200 + 4 * 80);
  words.push_back(list[upright.Row].Word);
  int last_row = -1;
  for (std::size_t w = 1; w < crossword.size(); ++w) {
    const CrosswordWord& across = crossword[w];
    const std::u32string letters = UpperLetters(list[across.Row].Word);
    EXPECT_EQ(across.Direction, WordDirection::Across);
    EXPECT_EQ(across.Length, static_cast<int>(letters.size()));
    // Every second letter from the second or third on, top to bottom.
    const int row = (across.Y - 75) / 80;
    EXPECT_TRUE(last_row < 0 ? (row == 1 || row == 2) : row == last_row + 2);
    last_row = row;
    // Its first square fits the screen, end square included...
    EXPECT_GE(across.X, 200);
    EXPECT_LT(across.X + across.Length * 80, 800);
    // ...and the first place of the upright word's letter lies in its column.
    const char32_t letter = upright_letters[static_cast<std::size_t>(row)];
    const auto place = static_cast<int>(letters.find(letter));
    EXPECT_EQ(across.X + place * 80, upright.X) << list[across.Row].Word;
    words.push_back(list[across.Row].Word);
  }
  // The last crossing lies on one of the last two letters.
  EXPECT_GE(last_row + 2, static_cast<int>(upright_letters.size()));
  EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size());
  return words;
}

TEST(CrosswordBuilderTests, EveryCrosswordKeepsThePlacingRulesAndAnyFittingWordCanCross) {
  FixedRandomSeed seed(7);
  const auto list = List({"apple", "bed", "cake", "Cat", "egg", "house", "lemon", "moon", "pen",
                          "sun", "tent", "tree", "hat", "star", "bus", "dog"});
  const CrosswordBuilder builder(list);
  std::int16_t position = 0;
  std::set<std::string> seen;
  for (int build = 0; build < 300; ++build) {
    const auto crossword = builder.Build(position);
    ASSERT_TRUE(crossword);
    for (const auto& word : CheckedWords(list, *crossword)) seen.insert(word);
  }
  // The upright words are the five-letter ones; every shorter word that
  // holds one of their crossed letters where it fits turns up, and words
  // without such a letter never do.
  for (const char* word : {"apple", "house", "lemon", "bed", "cake", "egg", "pen", "sun", "tent",
                           "tree", "star", "bus", "moon", "dog"}) {
    EXPECT_TRUE(seen.count(word)) << word;
  }
  EXPECT_FALSE(seen.count("Cat"));
  EXPECT_FALSE(seen.count("hat"));
}

TEST(CrosswordBuilderTests, UprightWordsHaveFiveLettersElseFourAndThePositionFollowsThem) {
  FixedRandomSeed seed(3);
  struct Case {
    std::vector<std::string> Words;
    int UprightLetters;
  };
  const Case cases[] = {
      {{"lemon", "bee", "elm", "melon", "mole", "one"}, 5},
      {{"bee", "elm", "mole", "one", "ox", "lime"}, 4},
  };
  for (const Case& c : cases) {
    const auto list = List(c.Words);
    const CrosswordBuilder builder(list);
    std::int16_t position = 0;
    for (int build = 0; build < 20; ++build) {
      const auto crossword = builder.Build(position);
      ASSERT_TRUE(crossword);
      CheckedWords(list, *crossword);
      EXPECT_EQ(crossword->front().Length, c.UprightLetters);
      // The next crossword is searched for from the row after the upright word.
      EXPECT_EQ(position, static_cast<std::int16_t>((crossword->front().Row + 1) % list.size()));
    }
  }
}

TEST(CrosswordBuilderTests, LettersMatchWithoutRegardToCaseInEveryAlphabet) {
  FixedRandomSeed seed(11);
  // "BÆRE" has four letters in five bytes; its Æ, R and E cross lower-case
  // words, Danish letters among them.
  const auto list = List({"B\u00c6RE", "\u00e6g", "\u00f8re", "sne", "r\u00e5"});
  const CrosswordBuilder builder(list);
  std::int16_t position = 0;
  for (int build = 0; build < 50; ++build) {
    const auto crossword = builder.Build(position);
    ASSERT_TRUE(crossword);
    CheckedWords(list, *crossword);
  }
}

TEST(CrosswordBuilderTests, ListsThatCanNeverMakeACrosswordEndInFailure) {
  const std::vector<std::vector<std::string>> lists = {
      // No word of four or five letters to stand upright.
      {"cat", "dog", "elephant", "ox", "hen"},
      // Upright words, but no word shares a letter with their fourth and fifth.
      {"abcde", "xbx", "yyb", "zcz", "cq"},
      // The only word with the crossing letter is the upright word itself.
      {"abcd", "xyz", "qrs"},
  };
  for (const auto& words : lists) {
    const auto list = List(words);
    std::int16_t position = 0;
    EXPECT_FALSE(CrosswordBuilder(list).Build(position)) << words.front();
  }
}

}  // namespace
}  // namespace tavlo
