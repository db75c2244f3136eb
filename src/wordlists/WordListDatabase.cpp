#include "wordlists/WordListDatabase.h"

#include <string>

#include "wordlists/GameTables.h"
#include "wordlists/IcuCollation.h"

namespace tavlo {

SqliteDatabase OpenWordListDatabase(const std::filesystem::path& file, std::string_view language,
                                    SqliteOpenMode mode) {
  SqliteDatabase database = SqliteDatabase::Open(file, mode);
  if (!database.IsOpen()) return database;
  const WordCollator collator = WordCollator::ForLanguage(language);
  database.AddCollation(std::string(kWordOrderCollation),
                        [collator](std::string_view left, std::string_view right) {
                          return collator.Compare(left, right);
                        });
  return database;
}

bool CreateWordListTables(SqliteDatabase& database) {
  for (const GameTable& table : GameTables()) {
    std::string sql = "CREATE TABLE " + SqliteDatabase::QuoteIdentifier(table.Name) + " (";
    bool first = true;
    for (const auto column : table.Columns()) {
      if (!first) sql += ", ";
      first = false;
      sql += SqliteDatabase::QuoteIdentifier(column);
      sql += table.IsNumberColumn(column) ? " INTEGER" : " TEXT";
    }
    sql += ");";
    sql += "CREATE INDEX " +
           SqliteDatabase::QuoteIdentifier(std::string(table.Name) + "_WordList") + " ON " +
           SqliteDatabase::QuoteIdentifier(table.Name) + " (\"WordList\");";
    if (!database.Execute(sql)) return false;
  }
  return true;
}

}  // namespace tavlo
