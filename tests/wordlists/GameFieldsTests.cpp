#include <gtest/gtest.h>

#include <map>

#include "WordListFixture.h"
#include "wordlists/GameTables.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

using testing::WordListFixture;

// What each table's record holds, written out independently of the code's
// own table: text slots (empty where a slot has no column) and number slots.
struct ExpectedFields {
  std::vector<std::string> TextColumns;
  std::vector<std::string> NumberColumns;
};

const std::map<std::string, ExpectedFields>& Expected() {
  static const std::map<std::string, ExpectedFields> expected = {
      {"Game01", {{""}, {"Correct0", "Correct1", "Correct2", "Correct3"}}},
      {"Game02", {{"Hint", "Sentence"}, {""}}},
      {"Game03", {{"Question"}, {"Correct"}}},
      {"Game04", {{"SentenceA", "SentenceB"}, {"Correct"}}},
      {"Game05", {{"Question"}, {""}}},
      {"Game06", {{"Order"}, {"Color"}}},
      {"Game07", {{"SentenceA", "SentenceB", "SentenceC"}, {""}}},
      {"Game08", {{"SentenceA", "SentenceB", "SentenceC"}, {""}}},
      {"Game09", {{"Hint"}, {""}}},
      {"Game10", {{"SentenceA", "", "", ""}, {"Correct"}}},
      {"Game11", {{"SentenceA"}, {""}}},
      {"Game12", {{"SentenceA", "SentenceB", "SentenceC", "SentenceD"}, {"Correct"}}},
      {"Game13", {{"SentenceA", "SentenceB", "SentenceC", "SentenceD"}, {"Correct"}}},
      {"Game14", {{"Sentence", "StrNum", "Num"}, {""}}},
      {"Game15", {{""}, {""}}},
  };
  return expected;
}

class GameFieldsTests : public WordListFixture {
 protected:
  const WordRecord& LoadOne(const std::string& table) {
    state_.WordLists.gWordListName = "L";
    EXPECT_TRUE(LoadDatabaseList(state_, platform_, table, 1)) << table;
    EXPECT_EQ(state_.WordLists.gWords.size(), 1u);
    return state_.WordLists.gWords.at(0);
  }
};

TEST_F(GameFieldsTests, EveryTableFillsItsSlotsFromItsColumns) {
  for (const auto& [table, fields] : Expected()) {
    // Every text column holds its own name, every numeric column a number
    // told by its slot, so a column in the wrong slot shows.
    std::string columns = "WordList, Word, Image, Sound";
    std::string values = "'L', 'word', 'word.png', 'word.wav'";
    for (const auto& column : fields.TextColumns) {
      if (column.empty()) continue;
      // Quoted: "Order" is also an SQL word.
      columns += ", \"" + column + "\"";
      values += ", '" + column + " text'";
    }
    for (std::size_t slot = 0; slot < fields.NumberColumns.size(); ++slot) {
      if (fields.NumberColumns[slot].empty()) continue;
      columns += ", " + fields.NumberColumns[slot];
      values += ", " + std::to_string(10 + slot);
    }
    Sql("INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ")");

    const WordRecord& record = LoadOne(table);
    EXPECT_EQ(record.WordList, "L");
    EXPECT_EQ(record.Word, "word");
    EXPECT_EQ(record.Image, "word.png");
    EXPECT_EQ(record.Sound, "word.wav");
    ASSERT_EQ(record.Texts.size(), fields.TextColumns.size()) << table;
    for (std::size_t slot = 0; slot < fields.TextColumns.size(); ++slot) {
      const auto& column = fields.TextColumns[slot];
      EXPECT_EQ(record.Texts[slot], column.empty() ? "" : column + " text") << table << " " << slot;
    }
    ASSERT_EQ(record.Numbers.size(), fields.NumberColumns.size()) << table;
    for (std::size_t slot = 0; slot < fields.NumberColumns.size(); ++slot) {
      const int expected = fields.NumberColumns[slot].empty() ? 0 : static_cast<int>(10 + slot);
      EXPECT_EQ(record.Numbers[slot], expected) << table << " " << slot;
    }
  }
}

TEST_F(GameFieldsTests, TheColumnsOfEachTableAreTheCommonOnesAndItsGameColumns) {
  for (const auto& [table, fields] : Expected()) {
    std::vector<std::string> expected = {"WordList", "Word", "Image", "Sound"};
    for (const auto& column : fields.TextColumns) {
      if (!column.empty()) expected.push_back(column);
    }
    for (const auto& column : fields.NumberColumns) {
      if (!column.empty()) expected.push_back(column);
    }
    const auto columns = FindGameTable(table).Columns();
    EXPECT_EQ(std::vector<std::string>(columns.begin(), columns.end()), expected) << table;
    for (const auto& column : {"Correct0", "Correct3", "Correct", "Color"}) {
      if (std::find(expected.begin(), expected.end(), column) != expected.end()) {
        EXPECT_TRUE(FindGameTable(table).IsNumberColumn(column));
      }
    }
    EXPECT_FALSE(FindGameTable(table).IsNumberColumn("StrNum"));
    EXPECT_FALSE(FindGameTable(table).IsNumberColumn("Order"));
  }
}

TEST_F(GameFieldsTests, NullsLeaveEmptyTextsAndZerosAndTheOtherColumnsAreStillRead) {
  // Game02: a NULL hint still gets the sentence.
  Sql("INSERT INTO Game02 (WordList, Word, Image, Sound, Hint, Sentence) "
      "VALUES ('L', NULL, NULL, NULL, NULL, 'I see a')");
  const WordRecord game02 = LoadOne("Game02");
  EXPECT_EQ(game02.Word, "");
  EXPECT_EQ(game02.Image, "");
  EXPECT_EQ(game02.Sound, "");
  EXPECT_EQ(game02.Texts, (std::vector<std::string>{"", "I see a"}));

  // Game01: a NULL Correct2 is 0, the other three as stored.
  Sql("INSERT INTO Game01 (WordList, Word, Correct0, Correct1, Correct2, Correct3) "
      "VALUES ('L', 'w', 1, -7, NULL, 1)");
  EXPECT_EQ(LoadOne("Game01").Numbers, (std::vector<std::int32_t>{1, -7, 0, 1}));

  // Game06: NULL order and colour.
  Sql("INSERT INTO Game06 (WordList, Word, Image, Sound) VALUES ('L', 'w', 'p.png', 's.wav')");
  const WordRecord game06 = LoadOne("Game06");
  EXPECT_EQ(game06.Texts, std::vector<std::string>{""});
  EXPECT_EQ(game06.Numbers, std::vector<std::int32_t>{0});
  EXPECT_EQ(game06.Image, "p.png");
}

TEST_F(GameFieldsTests, NumbersConvertFromWhatTheFileHolds) {
  // A colour written in hexadecimal, a fraction rounded to even, text digits.
  Sql("INSERT INTO Game06 (WordList, Word, Color) VALUES ('L', 'red', '0x0000FF')");
  EXPECT_EQ(LoadOne("Game06").Numbers[0], 255);
  Sql("UPDATE Game06 SET Color = 2.5");
  EXPECT_EQ(LoadOne("Game06").Numbers[0], 2);
  Sql("UPDATE Game06 SET Color = 3.5");
  EXPECT_EQ(LoadOne("Game06").Numbers[0], 4);
  Sql("UPDATE Game06 SET Color = -2147483648");
  EXPECT_EQ(LoadOne("Game06").Numbers[0], -2147483648LL);
}

TEST_F(GameFieldsTests, ATableOutsideTheGamesReadsNoGameColumns) {
  Sql("CREATE TABLE Extra (WordList TEXT, Word TEXT, Image TEXT, Sound TEXT, Correct INTEGER)");
  Sql("INSERT INTO Extra VALUES ('L', 'w', 'i', 's', 3)");
  const WordRecord& record = LoadOne("Extra");
  EXPECT_EQ(record.Texts, std::vector<std::string>{""});
  EXPECT_EQ(record.Numbers, std::vector<std::int32_t>{0});
}

}  // namespace
}  // namespace tavlo
