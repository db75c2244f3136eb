#include <system_error>

#include "Commands.h"
#include "GameRows.h"
#include "ToolArguments.h"
#include "wordlists/IcuCollation.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo::wordlist {

int RunImport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ToolArguments args = ParseToolArguments(arguments, {"list", "format", "language"}, 3, 3);
  const std::filesystem::path database = args.Positional[0];
  const std::string table_name = GameTableName(args.Positional[1]);
  const std::filesystem::path input = args.Positional[2];
  TableFormat format = FormatOfFile(input);
  if (const auto name = args.Option("format")) {
    const auto chosen = ParseFormat(*name);
    if (!chosen) throw UsageError("--format takes csv or tsv");
    format = *chosen;
  }
  const std::optional<std::string> list = args.Option("list");
  if (list && list->empty()) throw UsageError("--list needs a name");

  // The whole file is read and checked before the database is touched.
  const GameTable& table = FindGameTable(table_name);
  GameRows rows = ConvertRows(ReadTableFile(input, format), table, input.string(), list);
  SortRows(rows,
           WordCollator::ForLanguage(LanguageOf(database, args.Option("language").value_or(""))));
  if (rows.Rows.empty()) {
    err << "tavlo-wordlist import: " << input.string() << ": the file has no rows\n";
    return kFailure;
  }

  std::error_code error;
  if (!std::filesystem::is_regular_file(database, error)) {
    err << "tavlo-wordlist import: " << database.string()
        << ": no such word-list file (make one with build)\n";
    return kFailure;
  }
  SqliteDatabase file = SqliteDatabase::Open(database, SqliteOpenMode::ReadWrite);
  if (!file.IsOpen() || !file.HasTable(table.Name)) {
    err << "tavlo-wordlist import: " << database.string() << ": "
        << (file.IsOpen() ? "it has no table " + std::string(table.Name) : file.Error()) << "\n";
    return kFailure;
  }

  // One transaction: the lists are replaced whole or not at all.
  std::string failure;
  std::vector<std::int64_t> replaced;
  bool done = file.Execute("BEGIN IMMEDIATE");
  SqliteStatement remove = file.Prepare(
      "DELETE FROM " + SqliteDatabase::QuoteIdentifier(table.Name) + " WHERE \"WordList\" = ?1");
  SqliteStatement count =
      file.Prepare("SELECT COUNT(*) FROM " + SqliteDatabase::QuoteIdentifier(table.Name) +
                   " WHERE \"WordList\" = ?1");
  for (const std::string& name : rows.Lists) {
    if (!done) break;
    count.Reset();
    count.BindText(1, name);
    done = count.Step() == SqliteStep::Row;
    replaced.push_back(done ? count.Integer(0) : 0);
    count.Reset();
    remove.Reset();
    remove.BindText(1, name);
    done = done && remove.Step() == SqliteStep::Done;
    if (!done) failure = remove.Error();
  }
  done = done && InsertRows(file, rows, failure);
  done = done && file.Execute("COMMIT");
  if (!done) {
    file.Execute("ROLLBACK");
    err << "tavlo-wordlist import: " << database.string() << ": "
        << (failure.empty() ? file.Error() : failure) << "; nothing was changed\n";
    return kFailure;
  }

  for (std::size_t i = 0; i < rows.Lists.size(); ++i) {
    std::int64_t list_rows = 0;
    for (const auto& row : rows.Rows) list_rows += std::get<std::string>(row[0]) == rows.Lists[i];
    out << table.Name << ": list \"" << rows.Lists[i] << "\" "
        << (replaced[i] ? "replaced" : "added") << " with " << list_rows
        << (list_rows == 1 ? " row" : " rows") << "\n";
    if (list_rows > kMaximumWords) {
      err << "tavlo-wordlist import: warning: a list can have at most " << kMaximumWords
          << " rows; \"" << rows.Lists[i] << "\" is too long for the game\n";
    } else if (list_rows < table.MinimumWords) {
      err << "tavlo-wordlist import: warning: " << table.Name << " needs at least "
          << table.MinimumWords << " rows in a list; \"" << rows.Lists[i]
          << "\" cannot be played yet\n";
    }
  }
  return kSuccess;
}

}  // namespace tavlo::wordlist
