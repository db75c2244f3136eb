#include "ListCounts.h"

#include "wordlists/WordListDatabase.h"

namespace tavlo::wordlist {

std::optional<std::vector<ListCount>> CountLists(const std::filesystem::path& database,
                                                 const std::string& language,
                                                 const std::string& table) {
  SqliteDatabase file = OpenWordListDatabase(database, language, SqliteOpenMode::ReadOnly);
  SqliteStatement query = file.Prepare(
      "SELECT \"WordList\", COUNT(*) FROM " + SqliteDatabase::QuoteIdentifier(table) +
      " GROUP BY \"WordList\" ORDER BY \"WordList\" COLLATE " + std::string(kWordOrderCollation));
  std::vector<ListCount> counts;
  SqliteStep step;
  while ((step = query.Step()) == SqliteStep::Row) {
    counts.push_back({query.Text(0), query.Integer(1)});
  }
  if (step == SqliteStep::Error) return std::nullopt;
  return counts;
}

}  // namespace tavlo::wordlist
