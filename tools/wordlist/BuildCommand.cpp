#include <algorithm>
#include <cctype>
#include <map>
#include <system_error>

#include "Commands.h"
#include "GameRows.h"
#include "ToolArguments.h"
#include "wordlists/IcuCollation.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo::wordlist {
namespace {

// The table files of a content folder by table name. Other files (notes,
// pictures) are not tables and are passed over.
std::map<std::string, std::filesystem::path> TableFiles(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    throw TableFileError(folder.string() + ": no such folder");
  }
  std::map<std::string, std::filesystem::path> files;
  std::vector<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    entries.push_back(entry.path());
  }
  std::sort(entries.begin(), entries.end());
  for (const auto& path : entries) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != ".tsv" && extension != ".csv") continue;
    std::string table;
    try {
      table = GameTableName(path.stem().string());
    } catch (const UsageError&) {
      throw TableFileError(path.string() + ": a table file is named after its game table (" +
                           "Game01" + extension + " to Game15" + extension + ")");
    }
    if (!files.emplace(table, path).second) {
      throw TableFileError(path.string() + ": " + files[table].string() +
                           " already holds the table " + table);
    }
  }
  return files;
}

}  // namespace

int RunBuild(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ToolArguments args = ParseToolArguments(arguments, {"language"}, 2, 2);
  const std::filesystem::path content = args.Positional[0];
  const std::filesystem::path target = args.Positional[1];
  const WordCollator collator =
      WordCollator::ForLanguage(LanguageOf(target, args.Option("language").value_or("")));

  // Everything is read and checked before anything is written.
  std::vector<GameRows> tables;
  for (const auto& [name, file] : TableFiles(content)) {
    const TableText text = ReadTableFile(file, FormatOfFile(file));
    tables.push_back(ConvertRows(text, FindGameTable(name), file.string(), std::nullopt));
    SortRows(tables.back(), collator);
  }

  // The new file is made beside the target and renamed over it, so a failed
  // build leaves the previous file whole.
  std::error_code error;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  std::filesystem::path building = target;
  building += ".building";
  std::filesystem::remove(building, error);
  {
    SqliteDatabase database = SqliteDatabase::Open(building, SqliteOpenMode::Create);
    std::string failure;
    bool written = database.IsOpen() && database.Execute("BEGIN") && CreateWordListTables(database);
    for (const GameRows& rows : tables) {
      if (written) written = InsertRows(database, rows, failure);
    }
    written = written && database.Execute("COMMIT");
    if (!written) {
      err << "tavlo-wordlist build: " << target.string() << ": "
          << (failure.empty() ? database.Error() : failure) << "\n";
      database = SqliteDatabase();
      std::filesystem::remove(building, error);
      return kFailure;
    }
  }
  std::filesystem::rename(building, target, error);
  if (error) {
    err << "tavlo-wordlist build: " << target.string() << ": " << error.message() << "\n";
    std::filesystem::remove(building, error);
    return kFailure;
  }

  std::size_t rows = 0;
  for (const GameRows& table : tables) rows += table.Rows.size();
  out << target.string() << ": " << rows << " rows in " << tables.size() << " of "
      << kGameTableCount << " game tables\n";
  return kSuccess;
}

}  // namespace tavlo::wordlist
