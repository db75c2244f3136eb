// Makes the seeds of the word-list fuzzer from a content folder: for every
// game table a word-list file holding only that table with a few rows of its
// first two lists. Small pages keep the files
// at a few kilobytes, so that the fuzzer's changes mostly land in what the
// engine reads.
//
//   MakeWordListSeeds CONTENT_FOLDER SEED_FOLDER
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "GameRows.h"
#include "TableText.h"
#include "wordlists/GameTables.h"
#include "wordlists/IcuCollation.h"
#include "wordlists/WordListDatabase.h"

namespace {

using tavlo::wordlist::GameRows;

constexpr std::size_t kListsPerSeed = 2;
constexpr std::size_t kRowsPerList = 6;

// The first rows of the first lists; the rows are sorted by list already.
GameRows Trimmed(const GameRows& rows) {
  GameRows kept{rows.Table, {}, {}};
  for (const auto& row : rows.Rows) {
    const auto* list = std::get_if<std::string>(&row[0]);
    if (!list) continue;
    if (kept.Lists.empty() || kept.Lists.back() != *list) {
      if (kept.Lists.size() == kListsPerSeed) break;
      kept.Lists.push_back(*list);
    }
    const auto in_list = std::count_if(kept.Rows.begin(), kept.Rows.end(),
                                       [&](const auto& other) { return other[0] == row[0]; });
    if (static_cast<std::size_t>(in_list) < kRowsPerList) kept.Rows.push_back(row);
  }
  return kept;
}

// Writes the tables' rows into a new file and drops every other game table.
bool WriteSeed(const std::filesystem::path& file, const std::vector<GameRows>& tables) {
  std::filesystem::remove(file);
  tavlo::SqliteDatabase database = tavlo::SqliteDatabase::Open(file, tavlo::SqliteOpenMode::Create);
  std::string failure;
  bool written = database.Execute("PRAGMA page_size = 512") && database.Execute("BEGIN") &&
                 tavlo::CreateWordListTables(database);
  for (const tavlo::GameTable& table : tavlo::GameTables()) {
    const auto rows = std::find_if(tables.begin(), tables.end(),
                                   [&](const GameRows& r) { return r.Table == &table; });
    if (!written) break;
    written =
        rows == tables.end()
            ? database.Execute("DROP TABLE " + tavlo::SqliteDatabase::QuoteIdentifier(table.Name))
            : tavlo::wordlist::InsertRows(database, *rows, failure);
  }
  written = written && database.Execute("COMMIT") && database.Execute("VACUUM");
  if (!written) {
    std::cerr << file.string() << ": " << (failure.empty() ? database.Error() : failure) << "\n";
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: MakeWordListSeeds CONTENT_FOLDER SEED_FOLDER\n";
    return 2;
  }
  const std::filesystem::path content = argv[1];
  const std::filesystem::path seeds = argv[2];
  std::filesystem::create_directories(seeds);
  const tavlo::WordCollator collator = tavlo::WordCollator::ForLanguage("eng");
  try {
    for (const tavlo::GameTable& table : tavlo::GameTables()) {
      const auto file = content / (std::string(table.Name) + ".tsv");
      if (!std::filesystem::exists(file)) continue;
      const auto text = tavlo::wordlist::ReadTableFile(file, tavlo::wordlist::TableFormat::Tsv);
      GameRows rows = tavlo::wordlist::ConvertRows(text, table, file.string(), std::nullopt);
      tavlo::wordlist::SortRows(rows, collator);
      if (!WriteSeed(seeds / (std::string(table.Name) + ".sqlite"), {Trimmed(rows)})) return 1;
    }
  } catch (const tavlo::wordlist::TableFileError& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
