#include <gtest/gtest.h>

#include <algorithm>

#include "WordListFixture.h"
#include "wordlists/IcuCollation.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

using testing::WordListFixture;

class EnglishOrderTests : public WordListFixture {};

class DanishOrderTests : public WordListFixture {
 protected:
  DanishOrderTests() : WordListFixture("den") {}
};

TEST_F(EnglishOrderTests, WordsLoadInAlphabeticalOrderWithoutRegardToCase) {
  AddWords("Game15", "L", {"zebra", "Banana", "apple", "éclair", "Apple", "cherry", "Égg"});
  state_.WordLists.gWordListName = "L";
  ASSERT_TRUE(LoadDatabaseList(state_, platform_, "Game15", 1));
  // Case and accents only decide between otherwise equal words.
  EXPECT_EQ(LoadedWords(), (std::vector<std::string>{"apple", "Apple", "Banana", "cherry", "éclair",
                                                     "Égg", "zebra"}));
}

TEST_F(DanishOrderTests, TheDanishLettersComeAfterZ) {
  AddWords("Game15", "L", {"ål", "øje", "Æble", "zebra", "abe", "Øl", "hus", "ænder"});
  state_.WordLists.gWordListName = "L";
  ASSERT_TRUE(LoadDatabaseList(state_, platform_, "Game15", 1));
  EXPECT_EQ(LoadedWords(),
            (std::vector<std::string>{"abe", "hus", "zebra", "Æble", "ænder", "øje", "Øl", "ål"}));
}

TEST_F(DanishOrderTests, ListNamesFollowTheLanguageToo) {
  AddWords("Game11", "Å-ord", {"x"});
  AddWords("Game11", "Z-ord", {"x"});
  AddWords("Game11", "a-ord", {"x"});
  std::vector<std::string> names;
  ASSERT_EQ(GetWordListNames(state_, "Game11", names), 2);
  EXPECT_EQ(names, (std::vector<std::string>{"a-ord", "Z-ord", "Å-ord"}));
}

TEST(WordCollatorTests, LanguageFoldersMapToTheirLocales) {
  EXPECT_EQ(WordCollator::LocaleOf("eng"), "en");
  EXPECT_EQ(WordCollator::LocaleOf("den"), "da");
  EXPECT_EQ(WordCollator::LocaleOf("Dansk"), "da");
  EXPECT_EQ(WordCollator::LocaleOf("nb_NO"), "nb_no");
}

class WordOrderAgreementTests : public WordListFixture {
 protected:
  WordOrderAgreementTests() : WordListFixture("den") {}
};

TEST_F(WordOrderAgreementTests, TheLoadAndTheDatabasesCollationGiveOneOrder) {
  // The load sorts in the program, the word-list tool in its queries: both
  // must give one order, also for letters, case, accents and digits mixed,
  // and two different words never tie.
  const std::vector<std::string> words = {"a", "A",  "å",  "aa",  "Aa",  "ab",  "æ", "ø",
                                          "z", "Z",  "10", "9",   "",    "é",   "e", "E",
                                          "ß", "ss", "ÿ",  "a b", "a-b", "ab ", "Ø", "øl"};
  AddWords("Game11", "L", words);
  state_.WordLists.gWordListName = "L";
  ASSERT_TRUE(LoadDatabaseList(state_, platform_, "Game11", 1));

  SqliteDatabase database = Open(SqliteOpenMode::ReadOnly);
  SqliteStatement query =
      database.Prepare("SELECT Word FROM Game11 ORDER BY Word COLLATE WordOrder DESC");
  std::vector<std::string> by_query;
  while (query.Step() == SqliteStep::Row) by_query.push_back(query.Text(0));
  std::reverse(by_query.begin(), by_query.end());
  EXPECT_EQ(LoadedWords(), by_query);

  const WordCollator collator = WordCollator::ForLanguage("den");
  for (const auto& left : words) {
    for (const auto& right : words) {
      if (left != right) {
        EXPECT_NE(collator.Compare(left, right), 0) << left << " / " << right;
        EXPECT_EQ(collator.Compare(left, right), -collator.Compare(right, left));
      }
    }
  }
}

}  // namespace
}  // namespace tavlo
