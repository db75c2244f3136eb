#pragma once

#include <string>
#include <vector>

#include "wordlists/GameTables.h"
#include "wordlists/SqliteDatabase.h"

namespace tavlo::wordlist {

// The columns of a game table that the file's table lacks, in the table's
// order; empty when the table has them all. Without the table in the file at
// all, every column is missing. SQLite reads an unknown double-quoted name as
// a text of that name, so a query must never run before this is known.
std::vector<std::string> MissingColumns(SqliteDatabase& file, const GameTable& table);

}  // namespace tavlo::wordlist
