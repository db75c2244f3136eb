#include "wordlists/WordListStore.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/FilePaths.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"
#include "wordlists/GameFields.h"
#include "wordlists/GameTables.h"
#include "wordlists/IcuCollation.h"
#include "wordlists/SqliteDatabase.h"
#include "wordlists/WordListDatabase.h"

namespace tavlo {
namespace {

constexpr const char* kNoListMessage = "Internal Error. LoadDatabaseList: No list specified.";

// Word order, the stored order deciding between rows of the same word. The
// word-list tool stores every list in word order, so most lists arrive sorted
// and one pass finds that out; others are sorted through an index so that
// only small numbers move while the collator compares.
void SortByWord(std::vector<WordRecord>& words, const WordCollator& collator) {
  const auto in_order = [&](const WordRecord& a, const WordRecord& b) {
    return collator.Compare(a.Word, b.Word) < 0;
  };
  if (std::is_sorted(words.begin(), words.end(), in_order)) return;
  std::vector<std::size_t> order(words.size());
  for (std::size_t row = 0; row < order.size(); ++row) order[row] = row;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return collator.Compare(words[a].Word, words[b].Word) < 0;
  });
  std::vector<WordRecord> sorted;
  sorted.reserve(words.size());
  for (const std::size_t row : order) sorted.push_back(std::move(words[row]));
  words = std::move(sorted);
}

std::filesystem::path DatabaseFile(const ProgramState& state) {
  // Data folders copied from a case-insensitive file system keep working.
  return ResolvePath(std::filesystem::path(state.gDataPath),
                     "db/" + state.Texts.gLanguage + ".sqlite");
}

}  // namespace

std::string GetDatabasePath(const ProgramState& state) {
  return state.gDataPath + "db/" + state.Texts.gLanguage + ".sqlite";
}

std::int32_t GetWordListNames(const ProgramState& state, const std::string& table,
                              std::vector<std::string>& names) {
  return ReadWordListNames(DatabaseFile(state), state.Texts.gLanguage, table, names);
}

bool LoadDatabaseList(ProgramState& state, Platform& platform, const std::string& table,
                      std::int16_t minimum_words, ListLoadFailure* failure) {
  ListLoadFailure ignored;
  ListLoadFailure& why = failure ? *failure : ignored;
  why = ListLoadFailure::NotLoaded;
  WordListState& lists = state.WordLists;
  if (lists.gWordListName.empty()) {
    platform.ShowMessageBox(kNoListMessage, "Tavlo", MessageButtons::Ok, MessageIcon::None);
    lists.gWordListName = state.Texts.GetDefaultWordList();
    return false;
  }

  auto words = ReadWordList(DatabaseFile(state), state.Texts.gLanguage, table, lists.gWordListName);
  if (!words) return false;
  const auto count = static_cast<std::int64_t>(words->size());
  if (count > kMaximumWords) why = ListLoadFailure::TooLong;
  if (count == 0 || count < minimum_words || count > kMaximumWords) return false;
  why = ListLoadFailure::None;

  lists.gWords = std::move(*words);
  if (lists.gWordIndex < 0 || lists.gWordIndex > count - 1) lists.gWordIndex = 0;
  return true;
}

std::int32_t ReadWordListNames(const std::filesystem::path& database, std::string_view language,
                               const std::string& table, std::vector<std::string>& names) {
  SqliteDatabase file = OpenWordListDatabase(database, language, SqliteOpenMode::ReadOnly);
  const std::string column = "\"WordList\"";
  SqliteStatement query =
      file.Prepare("SELECT DISTINCT " + column + " FROM " + SqliteDatabase::QuoteIdentifier(table) +
                   " ORDER BY " + column + " COLLATE " + std::string(kWordOrderCollation));
  std::vector<std::string> found;
  SqliteStep step;
  while ((step = query.Step()) == SqliteStep::Row) found.push_back(query.Text(0));
  if (step == SqliteStep::Error || found.empty()) return -1;
  names = std::move(found);
  return static_cast<std::int32_t>(names.size()) - 1;
}

std::optional<std::vector<WordRecord>> ReadWordList(const std::filesystem::path& database,
                                                    std::string_view language,
                                                    const std::string& table,
                                                    const std::string& list_name) {
  SqliteDatabase file = OpenWordListDatabase(database, language, SqliteOpenMode::ReadOnly);
  // The list name is a parameter, never part of the SQL text: any name a
  // teacher types, apostrophes included, selects just that list. The rows are
  // put in word order here rather than by the engine, which would copy whole
  // rows around while it sorts; the order is the one "ORDER BY Word COLLATE
  // WordOrder" gives.
  SqliteStatement query = file.Prepare("SELECT * FROM " + SqliteDatabase::QuoteIdentifier(table) +
                                       " WHERE \"WordList\" = ?1");
  if (!query.BindText(1, list_name)) return std::nullopt;

  std::array<int, kCommonColumns.size()> common{};
  for (std::size_t i = 0; i < kCommonColumns.size(); ++i) {
    common[i] = query.ColumnIndex(kCommonColumns[i]);
    if (common[i] < 0) return std::nullopt;
  }
  const GameFieldColumns game_columns = FindGameFieldColumns(table, query);
  if (!game_columns.Complete) return std::nullopt;

  std::vector<WordRecord> words;
  words.reserve(64);
  SqliteStep step;
  while ((step = query.Step()) == SqliteStep::Row) {
    WordRecord& record = words.emplace_back();
    // Text() gives "" for NULL, which is what a NULL leaves in the record.
    record.WordList = query.Text(common[0]);
    record.Word = query.Text(common[1]);
    record.Image = query.Text(common[2]);
    record.Sound = query.Text(common[3]);
    if (!LoadGameFields(game_columns, query, record)) return std::nullopt;
  }
  if (step == SqliteStep::Error) return std::nullopt;
  SortByWord(words, WordCollator::ForLanguage(language));
  return words;
}

}  // namespace tavlo
