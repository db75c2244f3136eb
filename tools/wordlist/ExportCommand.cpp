#include <fstream>
#include <system_error>

#include "Commands.h"
#include "TableColumns.h"
#include "TableText.h"
#include "ToolArguments.h"
#include "platform/AtomicFile.h"
#include "wordlists/GameTables.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo::wordlist {
namespace {

// Why the text may not go to that file: it is the word-list file itself, or
// another SQLite file, which a text would destroy. Empty when it may.
std::string RefusedOutput(const std::filesystem::path& database,
                          const std::filesystem::path& output) {
  std::error_code error;
  if (std::filesystem::equivalent(database, output, error)) return "is the word-list file itself";
  std::ifstream existing(output, std::ios::binary);
  char header[16] = {};
  if (existing.read(header, sizeof header) && std::string(header, 15) == "SQLite format 3") {
    return "is an SQLite file, which the text would overwrite";
  }
  return "";
}

}  // namespace

int RunExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ToolArguments args = ParseToolArguments(arguments, {"list", "format", "language"}, 2, 3);
  const std::filesystem::path database = args.Positional[0];
  const std::string table_name = GameTableName(args.Positional[1]);
  const std::filesystem::path output = args.Positional.size() > 2 ? args.Positional[2] : "-";
  const std::string language = LanguageOf(database, args.Option("language").value_or(""));
  TableFormat format = output == "-" ? TableFormat::Tsv : FormatOfFile(output);
  if (const auto name = args.Option("format")) {
    const auto chosen = ParseFormat(*name);
    if (!chosen) throw UsageError("--format takes csv or tsv");
    format = *chosen;
  }
  const std::optional<std::string> list = args.Option("list");

  if (output != "-") {
    const std::string refused = RefusedOutput(database, output);
    if (!refused.empty()) {
      err << "tavlo-wordlist export: " << output.string() << " " << refused
          << "; nothing was written\n";
      return kFailure;
    }
  }

  const GameTable& table = FindGameTable(table_name);
  const std::vector<std::string_view> columns = table.Columns();
  std::string names;
  for (const auto column : columns) {
    names += (names.empty() ? "" : ", ") + SqliteDatabase::QuoteIdentifier(column);
  }
  const std::string order = " COLLATE " + std::string(kWordOrderCollation);
  SqliteDatabase file = OpenWordListDatabase(database, language, SqliteOpenMode::ReadOnly);
  if (file.HasTable(table.Name)) {
    const std::vector<std::string> missing = MissingColumns(file, table);
    if (!missing.empty()) {
      err << "tavlo-wordlist export: " << database.string() << ": the table " << table.Name
          << " has no column " << missing.front() << "\n";
      return kFailure;
    }
  }
  SqliteStatement query =
      file.Prepare("SELECT " + names + " FROM " + SqliteDatabase::QuoteIdentifier(table.Name) +
                   (list ? " WHERE \"WordList\" = ?1" : "") + " ORDER BY \"WordList\"" + order +
                   ", \"Word\"" + order);
  if (list) query.BindText(1, *list);

  std::vector<std::vector<std::string>> rows;
  rows.emplace_back(columns.begin(), columns.end());
  SqliteStep step;
  while ((step = query.Step()) == SqliteStep::Row) {
    auto& row = rows.emplace_back();
    for (int i = 0; i < query.ColumnCount(); ++i) row.push_back(query.Text(i));
  }
  if (step == SqliteStep::Error) {
    err << "tavlo-wordlist export: " << database.string() << ": "
        << (query.IsValid() ? query.Error() : file.Error()) << "\n";
    return kFailure;
  }
  if (list && rows.size() == 1) {
    err << "tavlo-wordlist export: " << table.Name << " has no list named \"" << *list << "\"\n";
    return kFailure;
  }

  const std::string text = FormatTable(rows, format);
  if (output == "-") {
    out << text;
    return kSuccess;
  }
  if (!ReplaceFileAtomically(output, text)) {
    err << "tavlo-wordlist export: " << output.string() << ": cannot be written\n";
    return kFailure;
  }
  out << output.string() << ": " << rows.size() - 1 << " rows of " << table.Name << "\n";
  return kSuccess;
}

}  // namespace tavlo::wordlist
