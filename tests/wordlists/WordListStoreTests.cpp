#include <gtest/gtest.h>

#include "WordListFixture.h"
#include "wordlists/GameTables.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

using testing::WordListFixture;

class WordListStoreTests : public WordListFixture {
 protected:
  bool Load(const std::string& table, const std::string& list, int minimum) {
    state_.WordLists.gWordListName = list;
    return LoadDatabaseList(state_, platform_, table, static_cast<std::int16_t>(minimum));
  }
};

TEST_F(WordListStoreTests, DatabasePathIsTheLanguagesFileInTheDataFolder) {
  state_.gDataPath = "/data/Tavlo/";
  EXPECT_EQ(GetDatabasePath(state_), "/data/Tavlo/db/eng.sqlite");
}

TEST_F(WordListStoreTests, EveryGameLoadsAListOfItsMinimumSizeAndRefusesOneRowFewer) {
  const int expected_minimum[] = {4, 4, 6, 4, 4, 4, 4, 4, 3, 4, 1, 4, 4, 4, 1};
  for (const GameTable& table : GameTables()) {
    const std::string name(table.Name);
    const int game = std::stoi(name.substr(4));
    const int minimum = expected_minimum[game - 1];
    EXPECT_EQ(table.MinimumWords, minimum) << name;
    AddList(name, "exact", minimum);
    AddList(name, "short", minimum - 1);

    EXPECT_TRUE(Load(name, "exact", table.MinimumWords)) << name;
    EXPECT_EQ(state_.WordLists.gWords.size(), static_cast<std::size_t>(minimum)) << name;
    EXPECT_FALSE(Load(name, "short", table.MinimumWords)) << name;
    EXPECT_EQ(state_.WordLists.gWords.size(), static_cast<std::size_t>(minimum)) << name;
  }
}

TEST_F(WordListStoreTests, AnEmptyListFailsEvenWithoutAMinimum) {
  EXPECT_FALSE(Load("Game11", "nothing here", 0));
  EXPECT_TRUE(state_.WordLists.gWords.empty());
}

TEST_F(WordListStoreTests, AFailedLoadLeavesThePreviousListAndPositionUsable) {
  AddList("Game02", "first", 6);
  ASSERT_TRUE(Load("Game02", "first", 4));
  state_.WordLists.gWordIndex = 5;
  const auto before = state_.WordLists.gWords;

  EXPECT_FALSE(Load("Game02", "no such list", 4));
  EXPECT_FALSE(Load("Game99", "first", 4));
  EXPECT_EQ(state_.WordLists.gWords, before);
  EXPECT_EQ(state_.WordLists.gWordIndex, 5);
  EXPECT_TRUE(platform_.Messages.empty());
}

TEST_F(WordListStoreTests, APositionPastTheNewEndStartsAgainAndOneInsideIsKept) {
  AddList("Game05", "long", 8);
  AddList("Game05", "short", 4);
  ASSERT_TRUE(Load("Game05", "long", 4));
  state_.WordLists.gWordIndex = 6;
  ASSERT_TRUE(Load("Game05", "short", 4));
  EXPECT_EQ(state_.WordLists.gWordIndex, 0);

  state_.WordLists.gWordIndex = 3;
  ASSERT_TRUE(Load("Game05", "short", 4));
  EXPECT_EQ(state_.WordLists.gWordIndex, 3);
  ASSERT_TRUE(Load("Game05", "long", 4));
  EXPECT_EQ(state_.WordLists.gWordIndex, 3);
}

TEST_F(WordListStoreTests, WithoutAListNameItReportsAndStoresTheDefaultName) {
  // The file is gone: the call must not need it.
  std::filesystem::remove(DatabaseFile());
  state_.WordLists.gWordListName = "";
  EXPECT_FALSE(LoadDatabaseList(state_, platform_, "Game01", 4));
  ASSERT_EQ(platform_.Messages.size(), 1u);
  EXPECT_EQ(platform_.Messages[0].Text, "Internal Error. LoadDatabaseList: No list specified.");
  EXPECT_EQ(platform_.Messages[0].Title, "Tavlo");
  EXPECT_EQ(platform_.Messages[0].Buttons, MessageButtons::Ok);
  EXPECT_EQ(state_.WordLists.gWordListName, "Everyday words");
}

TEST_F(WordListStoreTests, WithoutAnyDefaultListBothInternalErrorsAreShown) {
  std::filesystem::remove(folder_ / "program/lang/eng/defaultlist.txt");
  state_.WordLists.gWordListName = "";
  EXPECT_FALSE(LoadDatabaseList(state_, platform_, "Game01", 4));
  ASSERT_EQ(platform_.Messages.size(), 2u);
  EXPECT_EQ(platform_.Messages[0].Text, "Internal Error. LoadDatabaseList: No list specified.");
  EXPECT_EQ(platform_.Messages[1].Text,
            "Internal Error. Default list for eng could not be loaded.");
  EXPECT_EQ(state_.WordLists.gWordListName, "");
}

TEST_F(WordListStoreTests, AListNameWithAnApostropheLoadsAndQuotesCannotWidenTheQuery) {
  AddList("Game13", "Anna's words", 4);
  AddList("Game13", "Other words", 5);
  EXPECT_TRUE(Load("Game13", "Anna's words", 4));
  EXPECT_EQ(state_.WordLists.gWords.size(), 4u);
  EXPECT_EQ(state_.WordLists.gWords[0].WordList, "Anna's words");

  // A name written to break out of a quoted literal is just a name.
  EXPECT_FALSE(Load("Game13", "x' OR '1'='1", 1));
  EXPECT_FALSE(Load("Game13", "x'; DROP TABLE Game13; --", 1));
  EXPECT_TRUE(Load("Game13", "Other words", 4));
}

TEST_F(WordListStoreTests, AMissingFileTableOrColumnOrAFileThatIsNoneIsAFailedLoad) {
  AddList("Game04", "words", 4);
  ASSERT_TRUE(Load("Game04", "words", 4));
  const auto before = state_.WordLists.gWords;

  // A column the game reads is missing.
  Sql("ALTER TABLE Game04 DROP COLUMN SentenceB");
  EXPECT_FALSE(Load("Game04", "words", 4));
  // A common column is missing.
  AddList("Game05", "words", 4);
  Sql("ALTER TABLE Game05 DROP COLUMN Sound");
  EXPECT_FALSE(Load("Game05", "words", 4));
  // The table is missing.
  Sql("DROP TABLE Game06");
  EXPECT_FALSE(Load("Game06", "words", 1));
  // The file is missing, or is no database at all.
  std::filesystem::remove(DatabaseFile());
  EXPECT_FALSE(Load("Game04", "words", 4));
  EXPECT_FALSE(std::filesystem::exists(DatabaseFile())) << "a reader must not create the file";
  testing::WriteFile(DatabaseFile(), "not a database");
  EXPECT_FALSE(Load("Game04", "words", 4));
  std::filesystem::remove(DatabaseFile());
  std::filesystem::create_directory(DatabaseFile());
  EXPECT_FALSE(Load("Game04", "words", 4));
  EXPECT_EQ(state_.WordLists.gWords, before);

  std::filesystem::remove(DatabaseFile());
  testing::MakePipe(DatabaseFile());
  EXPECT_TRUE(testing::EndsWithoutAWriter(DatabaseFile(), [&] {
    EXPECT_FALSE(ReadWordList(DatabaseFile(), "eng", "Game04", "words").has_value());
  }));
}

TEST_F(WordListStoreTests, ANumericColumnHoldingNoWholeNumberFailsTheLoad) {
  AddList("Game03", "words", 6);
  Sql("UPDATE Game03 SET Correct = 'yes' WHERE Word = 'w03'");
  EXPECT_FALSE(Load("Game03", "words", 6));
  Sql("UPDATE Game03 SET Correct = 4294967296 WHERE Word = 'w03'");
  EXPECT_FALSE(Load("Game03", "words", 6));
  Sql("UPDATE Game03 SET Correct = ' 1 ' WHERE Word = 'w03'");
  EXPECT_TRUE(Load("Game03", "words", 6));
  EXPECT_EQ(state_.WordLists.gWords[2].Numbers[0], 1);
}

TEST_F(WordListStoreTests, ListNamesComeOnceEachWithTheirUpperBound) {
  AddList("Game07", "Zoo", 2);
  AddList("Game07", "animals", 3);
  Sql("INSERT INTO Game07 (WordList, Word) VALUES (NULL, 'lost')");
  std::vector<std::string> names;
  EXPECT_EQ(GetWordListNames(state_, "Game07", names), 2);
  // A NULL name takes its place as an empty one; the others follow in word
  // order, without regard to case.
  EXPECT_EQ(names, (std::vector<std::string>{"", "animals", "Zoo"}));
}

TEST_F(WordListStoreTests, ListNamesOfAnEmptyOrMissingTableLeaveTheArrayAlone) {
  std::vector<std::string> names = {"kept"};
  EXPECT_EQ(GetWordListNames(state_, "Game08", names), -1);
  EXPECT_EQ(GetWordListNames(state_, "NoSuchTable", names), -1);
  std::filesystem::remove(DatabaseFile());
  EXPECT_EQ(GetWordListNames(state_, "Game08", names), -1);
  EXPECT_EQ(names, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace tavlo
