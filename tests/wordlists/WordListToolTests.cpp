#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "WordListFixture.h"
#include "WordListTool.h"
#include "wordlists/GameTables.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class WordListToolTests : public testing::WordListFixture {
 protected:
  int Run(const std::vector<std::string>& arguments) {
    out_.str("");
    err_.str("");
    return wordlist::RunWordListTool(arguments, out_, err_);
  }
  std::string Db() const { return DatabaseFile().string(); }
  std::string File(const std::string& name, const std::string& bytes) const {
    const auto path = folder_ / name;
    WriteFile(path, bytes);
    return path.string();
  }
  std::vector<WordRecord> Rows(const std::string& table, const std::string& list) const {
    return ReadWordList(DatabaseFile(), "eng", table, list).value_or(std::vector<WordRecord>{});
  }

  std::ostringstream out_;
  std::ostringstream err_;
};

constexpr const char* kGame03Csv =
    "WordList,Word,Image,Sound,Question,Correct\r\n"
    "Animals,dog,dog.png,dog.wav,\"Is this a dog, then?\",0\r\n"
    "Animals,cat,cat.png,cat.wav,Is this a dog?,1\r\n"
    "Animals,cow,,cow.wav,,\r\n";

TEST_F(WordListToolTests, ImportedListsExportAndImportAgainUnchanged) {
  const std::string source = File("in.csv", kGame03Csv);
  ASSERT_EQ(Run({"import", Db(), "Game03", source}), 0) << err_.str();
  const auto imported = Rows("Game03", "Animals");
  ASSERT_EQ(imported.size(), 3u);
  EXPECT_EQ(imported[0].Word, "cat");
  EXPECT_EQ(imported[2].Texts[0], "Is this a dog, then?");
  EXPECT_EQ(imported[0].Numbers[0], 1);

  for (const std::string format : {"csv", "tsv"}) {
    const std::string exported = (folder_ / ("out." + format)).string();
    ASSERT_EQ(Run({"export", "--list", "Animals", Db(), "3", exported}), 0) << err_.str();
    ASSERT_EQ(Run({"import", "--list", "Copy " + format, Db(), "Game03", exported}), 0)
        << err_.str();
    auto copied = Rows("Game03", "Copy " + format);
    for (auto& record : copied) record.WordList = "Animals";
    EXPECT_EQ(copied, imported) << format;
  }
}

TEST_F(WordListToolTests, ImportReplacesAListOfTheSameNameAndKeepsTheOthers) {
  AddList("Game03", "Animals", 7);
  AddList("Game03", "Other", 6);
  ASSERT_EQ(Run({"import", Db(), "Game03", File("in.csv", kGame03Csv)}), 0) << err_.str();
  EXPECT_NE(out_.str().find("replaced"), std::string::npos);
  EXPECT_EQ(Rows("Game03", "Animals").size(), 3u);
  EXPECT_EQ(Rows("Game03", "Other").size(), 6u);
  // Three rows are too few for the game; the import says so.
  EXPECT_NE(err_.str().find("cannot be played yet"), std::string::npos);
}

TEST_F(WordListToolTests, BadInputIsRefusedWithFileAndLineAndNothingIsWritten) {
  AddList("Game03", "Animals", 6);
  const std::string before = ReadFile(DatabaseFile());
  struct Case {
    std::string Bytes;
    std::string Error;
  };
  const std::vector<Case> cases = {
      {"WordList,Word,Image,Sound,Question\r\nAnimals,dog,,,\r\n",
       ":1: the column Correct is missing"},
      {"WordList,Word,Image,Sound,Question,Correct\r\nAnimals,dog,,,,0\r\nAnimals,cat,,,,yes\r\n",
       ":3: \"yes\" in the column Correct is not a whole number"},
      {"WordList,Word,Image,Sound,Question,Correct\r\nAnimals,dog,,,,0,extra\r\n",
       ":2: the row has 7 fields, but the header names 6 columns"},
      {"WordList,Word,Image,Sound,Question,Correct\r\nAnimals,d\xF8g,,,,0\r\n",
       ":2: the text is not UTF-8"},
      {"WordList,Word,Image,Sound,Question,Correct,Colour\r\n", ":1: unknown column \"Colour\""},
      {"WordList,Word,Image,Sound,Question,Correct\r\n,dog,,,,0\r\n",
       ":2: the row names no word list"},
  };
  for (const Case& bad : cases) {
    const std::string file = File("bad.csv", bad.Bytes);
    EXPECT_EQ(Run({"import", Db(), "Game03", file}), 1) << bad.Error;
    EXPECT_NE(err_.str().find(file + bad.Error), std::string::npos) << err_.str();
  }
  EXPECT_EQ(ReadFile(DatabaseFile()), before);
}

TEST_F(WordListToolTests, AnImportTheDatabaseRefusesHalfwayLeavesItUnchanged) {
  AddList("Game03", "Animals", 6);
  // A rule the tool does not know of refuses the second row; the deletion of
  // the old list and the first row must not stay.
  Sql("CREATE TRIGGER refuse BEFORE INSERT ON Game03 WHEN NEW.Word = 'cat' "
      "BEGIN SELECT RAISE(ABORT, 'refused'); END");
  const std::string before = ReadFile(DatabaseFile());
  EXPECT_EQ(Run({"import", Db(), "Game03", File("in.csv", kGame03Csv)}), 1);
  EXPECT_NE(err_.str().find("nothing was changed"), std::string::npos) << err_.str();
  EXPECT_EQ(Rows("Game03", "Animals").size(), 6u);
  EXPECT_EQ(ReadFile(DatabaseFile()), before);
}

TEST_F(WordListToolTests, ExportNeverDestroysADatabaseNorWritesMadeUpValues) {
  AddList("Game03", "Animals", 6);
  const std::string before = ReadFile(DatabaseFile());
  const std::string other = (folder_ / "other.sqlite").string();
  std::filesystem::copy_file(DatabaseFile(), other);
  struct Case {
    std::string Output;
    std::string Error;
  };
  for (const Case& c :
       {Case{Db(), "is the word-list file itself"}, Case{other, "is an SQLite file"}}) {
    EXPECT_EQ(Run({"export", Db(), "Game03", c.Output}), 1) << c.Output;
    EXPECT_NE(err_.str().find(c.Error), std::string::npos) << err_.str();
    EXPECT_EQ(ReadFile(c.Output), before);
  }
  // A table without one of its columns: SQLite would give the column's name as
  // every row's value.
  Sql("ALTER TABLE Game03 DROP COLUMN Question");
  const std::string exported = (folder_ / "out.csv").string();
  EXPECT_EQ(Run({"export", Db(), "Game03", exported}), 1);
  EXPECT_NE(err_.str().find("has no column Question"), std::string::npos) << err_.str();
  EXPECT_FALSE(std::filesystem::exists(exported));
}

TEST_F(WordListToolTests, AnImportLongerThanAGameCanHoldIsWarnedAbout) {
  std::string csv = "WordList,Word,Image,Sound\r\n";
  for (int i = 0; i <= kMaximumWords; ++i) csv += "Huge,w" + std::to_string(i) + ",,\r\n";
  ASSERT_EQ(Run({"import", Db(), "Game15", File("huge.csv", csv)}), 0) << err_.str();
  EXPECT_NE(err_.str().find("too long for the game"), std::string::npos) << err_.str();
}

TEST_F(WordListToolTests, BuildMakesEveryTableFromAContentFolder) {
  File("content/Game15.tsv",
       "WordList\tWord\tImage\tSound\nEveryday words\tsun\tsun.png\tsun.wav\n");
  File("content/game02.csv",
       "Word,WordList,Image,Sound,Hint,Sentence\nball,Everyday words,ball.png,ball.wav,,We kick "
       "a\n");
  File("content/notes.md", "not a table");
  const std::string built = (folder_ / "out/eng.sqlite").string();
  ASSERT_EQ(Run({"build", (folder_ / "content").string(), built}), 0) << err_.str();
  const auto game02 = ReadWordList(built, "eng", "Game02", "Everyday words");
  ASSERT_TRUE(game02 && game02->size() == 1);
  EXPECT_EQ((*game02)[0].Texts, (std::vector<std::string>{"", "We kick a"}));
  std::vector<std::string> names;
  EXPECT_EQ(ReadWordListNames(built, "eng", "Game09", names), -1) << "an empty table is there";
  {
    // Lists are stored in word order, so that loading them needs no sort.
    File("content/Game11.tsv", "WordList\tWord\tImage\tSound\tSentenceA\nL\tZoo\nL\tant\nL\tBee\n");
    ASSERT_EQ(Run({"build", (folder_ / "content").string(), built}), 0) << err_.str();
    SqliteDatabase file = SqliteDatabase::Open(built, SqliteOpenMode::ReadOnly);
    SqliteStatement stored = file.Prepare("SELECT Word FROM Game11 ORDER BY rowid");
    std::vector<std::string> words;
    while (stored.Step() == SqliteStep::Row) words.push_back(stored.Text(0));
    EXPECT_EQ(words, (std::vector<std::string>{"ant", "Bee", "Zoo"}));
  }
  EXPECT_FALSE(ReadWordList(built, "eng", "Game09", "x")->size());

  // A bad file stops the build and leaves the earlier file in place.
  const std::string earlier = ReadFile(built);
  File("content/Game03.tsv", "WordList\tWord\tImage\tSound\tQuestion\tCorrect\nL\tw\t\t\t\tno\n");
  EXPECT_EQ(Run({"build", (folder_ / "content").string(), built}), 1);
  EXPECT_NE(err_.str().find("Game03.tsv:2:"), std::string::npos) << err_.str();
  EXPECT_EQ(ReadFile(built), earlier);
}

TEST_F(WordListToolTests, CheckNamesEachProblemByTableListAndRow) {
  for (int game = 1; game <= 15; ++game) {
    char table[8];
    std::snprintf(table, sizeof table, "Game%02d", game);
    AddList(table, "Everyday words", 6);
  }
  Sql("UPDATE Game12 SET Sound = Word || '.wav'");
  Sql("UPDATE Game15 SET Image = Word || '.png', Sound = Word || '.wav'");
  Sql("UPDATE Game13 SET Image = '../../etc/passwd' WHERE Word = 'w03'");
  AddList("Game03", "Short", 5);
  const std::string data = (folder_ / "data").string();

  EXPECT_EQ(Run({"check", "--program-folder", (folder_ / "program").string(), data}), 1);
  const std::string report = out_.str();
  EXPECT_NE(report.find("eng Game03, list \"Short\": has 5 rows; the game needs at least 6"),
            std::string::npos);
  EXPECT_NE(report.find("eng Game15, list \"Everyday words\", row 2 (\"w02\"): picture file "
                        "images/w02.png is missing"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("eng Game06, list \"Everyday words\", row 1 (\"w01\"): names no picture "
                        "file in the column Image"),
            std::string::npos);
  EXPECT_NE(report.find("row 3 (\"w03\"): picture file images/../../etc/passwd lies outside the "
                        "data folder"),
            std::string::npos)
      << report;

  // With the files in place, the lists long enough and the default list in
  // every table, a check of those tables finds nothing.
  Sql("DELETE FROM Game03 WHERE WordList = 'Short'");
  for (int i = 1; i <= 6; ++i) {
    const std::string word = "w0" + std::to_string(i);
    WriteFile(folder_ / "data/images" / (word + ".png"), "picture");
    WriteFile(folder_ / "data/speech/eng" / (word + ".wav"), "speech");
  }
  for (int game = 1; game <= 14; ++game) {
    if (game == 12) continue;
    char table[8];
    std::snprintf(table, sizeof table, "Game%02d", game);
    Sql(std::string("DELETE FROM ") + table);
  }
  EXPECT_EQ(Run({"check", "--program-folder", (folder_ / "program").string(), data}), 1);
  EXPECT_EQ(out_.str().find("Game15"), std::string::npos) << out_.str();
  EXPECT_EQ(out_.str().find("Game12, list"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("eng Game01, list \"Everyday words\": the default list is missing"),
            std::string::npos);
}

TEST_F(WordListToolTests, CheckLooksWhereEachGameLooksAndPassesOnceTheFilesAreThere) {
  for (int game = 1; game <= 15; ++game) {
    char table[8];
    std::snprintf(table, sizeof table, "Game%02d", game);
    AddList(table, "Everyday words", 6);
    Sql(std::string("UPDATE ") + table + " SET Image = Word || '.png', Sound = Word || '.wav'");
  }
  Sql("UPDATE Game02 SET Sentence = 'I see a'");
  Sql("UPDATE Game07 SET SentenceB = Word");
  Sql("UPDATE Game14 SET StrNum = 'one'");
  const std::vector<std::string> check = {
      "check", "--program-folder", (folder_ / "program").string(), (folder_ / "data").string()};
  ASSERT_EQ(Run(check), 1);
  const std::string report = out_.str();
  for (const std::string expected :
       {"Game01, list \"Everyday words\", row 1 (\"w01\"): picture file backgrounds/w01.png",
        "Game06, list \"Everyday words\", row 1 (\"w01\"): picture file images/paint/color/w01.png",
        "Game06, list \"Everyday words\", row 1 (\"w01\"): picture file "
        "images/paint/nocolor/w01.png",
        "Game03, list \"Everyday words\", row 1 (\"w01\"): speech file speech/eng/game03/w01.wav",
        "Game04, list \"Everyday words\", row 1 (\"w01\"): speech file speech/eng/game04/w01.wav",
        "Game02, list \"Everyday words\", row 1 (\"w01\"): speech file speech/eng/game02/I see "
        "a.wav",
        "Game07, list \"Everyday words\", row 1 (\"w01\"): speech file speech/eng/w01.wav",
        "Game14, list \"Everyday words\", row 1 (\"w01\"): speech file "
        "speech/eng/game14/one.wav"}) {
    EXPECT_NE(report.find("eng " + expected + " is missing"), std::string::npos) << expected;
  }
  EXPECT_EQ(report.find("Game12, list \"Everyday words\", row 1 (\"w01\"): picture"),
            std::string::npos)
      << "game 12 shows no pictures";

  // Every file the report names is made; then nothing is wrong.
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    const auto start = line.find(" file ");
    const auto end = line.rfind(" is missing");
    ASSERT_TRUE(start != std::string::npos && end != std::string::npos) << line;
    WriteFile(folder_ / "data" / line.substr(start + 6, end - start - 6), "content");
    if (lines.peek() != EOF && std::isdigit(lines.peek())) break;
  }
  EXPECT_EQ(Run(check), 0) << out_.str();
  EXPECT_NE(out_.str().find("no problems"), std::string::npos);
}

TEST_F(WordListToolTests, AMissingDefaultListIsOneProblemPerTable) {
  EXPECT_EQ(
      Run({"check", "--default-list", "none", "--language", "eng", (folder_ / "data").string()}),
      1);
  // Only the default list is missing in each table: 15 lines and the count.
  EXPECT_NE(out_.str().find("15 problems"), std::string::npos) << out_.str();
}

TEST_F(WordListToolTests, HelpExplainsEveryCommandWithAnExampleAndWrongUseIsAUsageError) {
  ASSERT_EQ(Run({"--help"}), 0);
  for (const std::string command : {"build", "list", "export", "import", "check"}) {
    EXPECT_NE(out_.str().find("Example: tavlo-wordlist " + command), std::string::npos) << command;
  }
  EXPECT_EQ(Run({"export", Db(), "Game16"}), 2);
  EXPECT_EQ(Run({"import", "--colour", "red", Db(), "Game01", "x.csv"}), 2);
  EXPECT_EQ(Run({"frobnicate"}), 2);
  EXPECT_EQ(Run({"list", (folder_ / "missing.sqlite").string()}), 1);
}

TEST_F(WordListToolTests, ListShowsEachGamesListsWithTheirRows) {
  AddList("Game09", "Two", 2);
  AddList("Game09", "Animals", 3);
  ASSERT_EQ(Run({"list", Db()}), 0);
  EXPECT_NE(out_.str().find("Game09 (a list needs at least 3 rows)\n  Animals: 3 rows\n"
                            "  Two: 2 rows (too few to play)\n"),
            std::string::npos)
      << out_.str();
}

}  // namespace
}  // namespace tavlo
