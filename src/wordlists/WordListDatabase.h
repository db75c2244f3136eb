#pragma once

#include <filesystem>
#include <string_view>

#include "wordlists/SqliteDatabase.h"

namespace tavlo {

// The collation that orders words as a reader of the file's language expects;
// queries name it as "ORDER BY Word COLLATE WordOrder".
inline constexpr std::string_view kWordOrderCollation = "WordOrder";

// Opens a word-list file with the word order of its language in place. The
// file itself stays plain SQLite, readable by any SQLite tool.
SqliteDatabase OpenWordListDatabase(const std::filesystem::path& file, std::string_view language,
                                    SqliteOpenMode mode);

// Makes the fifteen game tables with their columns (the common ones as text,
// the numeric game columns as integers, the rest as text) and an index on the
// list name, which every query of the program selects by.
bool CreateWordListTables(SqliteDatabase& database);

}  // namespace tavlo
