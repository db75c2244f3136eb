#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/WordRecord.h"

namespace tavlo {

class Platform;
struct ProgramState;

// The word-list file of the current language: the data folder's
// "db/<language>.sqlite". Whether it exists is not tested here.
std::string GetDatabasePath(const ProgramState& state);

// The names of all lists of one game table, for the word-list choosers, in
// the language's word order. Returns the last index of names (count - 1), or
// -1 when the table has no rows or cannot be read; names is then left alone.
std::int32_t GetWordListNames(const ProgramState& state, const std::string& table,
                              std::vector<std::string>& names);

// Loads the list gWordListName of one game table into gWords, sorted by word.
// True when the list has at least minimum_words rows (and at least one).
// Anything else (an unknown or short list, a missing or damaged file, table
// or column) is a failed load that leaves gWords and gWordIndex as they were;
// the caller tells the user. Without a list name it reports an internal error
// and stores the default list's name for the next try.
// Why a load failed, for a caller that tells the user more than that it did.
enum class ListLoadFailure { None, NotLoaded, TooLong };
bool LoadDatabaseList(ProgramState& state, Platform& platform, const std::string& table,
                      std::int16_t minimum_words, ListLoadFailure* failure = nullptr);

// The same reads on a named file, for the word-list tool. The database is
// opened read-only and closed again within each call.
std::int32_t ReadWordListNames(const std::filesystem::path& database, std::string_view language,
                               const std::string& table, std::vector<std::string>& names);
// The rows of one list in word order; an empty list when it has none; nothing
// when the file, the table or one of its columns cannot be read.
std::optional<std::vector<WordRecord>> ReadWordList(const std::filesystem::path& database,
                                                    std::string_view language,
                                                    const std::string& table,
                                                    const std::string& list_name);

}  // namespace tavlo
