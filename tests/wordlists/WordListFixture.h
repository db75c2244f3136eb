#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "state/ProgramState.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo::testing {

// A program folder with its default-list file, a data folder with a word-list
// file of empty game tables, and the program state pointing at both.
class WordListFixture : public ::testing::Test {
 protected:
  explicit WordListFixture(std::string language = "eng") : language_(std::move(language)) {
    WriteLines(folder_ / "program/lang" / language_ / "defaultlist.txt", {"Everyday words"});
    std::filesystem::create_directories(folder_ / "data/db");
    state_.gDataPath = (folder_ / "data").string() + "/";
    state_.Texts.gLanguage = language_;
    SqliteDatabase database = Open(SqliteOpenMode::Create);
    database.Execute("BEGIN");
    CreateWordListTables(database);
    database.Execute("COMMIT");
  }

  std::filesystem::path DatabaseFile() const {
    return folder_ / "data/db" / (language_ + ".sqlite");
  }
  // The test's own writes skip waiting for the disk, which only a crash
  // would need.
  SqliteDatabase Open(SqliteOpenMode mode = SqliteOpenMode::ReadWrite) const {
    SqliteDatabase database = OpenWordListDatabase(DatabaseFile(), language_, mode);
    database.Execute("PRAGMA synchronous = OFF");
    return database;
  }

  // Runs SQL on the word-list file, failing the test when it is refused.
  void Sql(const std::string& sql) const {
    SqliteDatabase database = Open();
    ASSERT_TRUE(database.Execute(sql)) << database.Error() << " in " << sql;
  }

  // Adds a list of count rows whose words are "w01", "w02", ...
  void AddList(const std::string& table, const std::string& list, int count) const {
    SqliteDatabase database = Open();
    SqliteStatement insert =
        database.Prepare("INSERT INTO " + table + " (WordList, Word) VALUES (?1, ?2)");
    for (int i = 1; i <= count; ++i) {
      char word[16];
      std::snprintf(word, sizeof word, "w%02d", i);
      insert.Reset();
      insert.BindText(1, list);
      insert.BindText(2, word);
      ASSERT_EQ(insert.Step(), SqliteStep::Done) << insert.Error();
    }
  }

  // Adds one row with the words in order, for order tests.
  void AddWords(const std::string& table, const std::string& list,
                const std::vector<std::string>& words) const {
    SqliteDatabase database = Open();
    SqliteStatement insert =
        database.Prepare("INSERT INTO " + table + " (WordList, Word) VALUES (?1, ?2)");
    for (const auto& word : words) {
      insert.Reset();
      insert.BindText(1, list);
      insert.BindText(2, word);
      ASSERT_EQ(insert.Step(), SqliteStep::Done) << insert.Error();
    }
  }

  std::vector<std::string> LoadedWords() const {
    std::vector<std::string> words;
    for (const auto& record : state_.WordLists.gWords) words.push_back(record.Word);
    return words;
  }

  std::string language_;
  TempFolder folder_;
  FakePlatform platform_;
  ProgramState state_{platform_, folder_ / "program"};
};

}  // namespace tavlo::testing
