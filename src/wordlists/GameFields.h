#pragma once

#include <string_view>
#include <vector>

#include "state/WordRecord.h"
#include "wordlists/GameTables.h"

namespace tavlo {

class SqliteStatement;

// Where one game's columns sit in a query result, found once per query so
// that rows are read without looking names up.
struct GameFieldColumns {
  // A table outside the games until FindGameFieldColumns names one.
  const GameTable* Table = &FindGameTable("");
  std::vector<int> Texts;
  std::vector<int> Numbers;
  // False when the result lacks a column of the game.
  bool Complete = true;
};

GameFieldColumns FindGameFieldColumns(std::string_view table, const SqliteStatement& result);

// Fills the record's Texts and Numbers from the current row: sized for the
// game, each column into its slot, a NULL leaving "" or 0. False when the
// columns are incomplete or a numeric value is no 32-bit whole number; such a
// file is damaged, and the load it belongs to fails.
bool LoadGameFields(const GameFieldColumns& columns, const SqliteStatement& row,
                    WordRecord& record);

}  // namespace tavlo
