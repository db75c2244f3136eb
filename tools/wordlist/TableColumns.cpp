#include "TableColumns.h"

namespace tavlo::wordlist {

std::vector<std::string> MissingColumns(SqliteDatabase& file, const GameTable& table) {
  std::vector<std::string> missing;
  const bool has_table = file.HasTable(table.Name);
  SqliteStatement query =
      has_table ? file.Prepare("SELECT * FROM " + SqliteDatabase::QuoteIdentifier(table.Name) +
                               " LIMIT 0")
                : SqliteStatement();
  for (const auto column : table.Columns()) {
    if (!has_table || !query.IsValid() || query.ColumnIndex(column) < 0) {
      missing.emplace_back(column);
    }
  }
  return missing;
}

}  // namespace tavlo::wordlist
