#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "TableText.h"
#include "wordlists/GameTables.h"

namespace tavlo {
class SqliteDatabase;
class WordCollator;
}  // namespace tavlo

namespace tavlo::wordlist {

// A value bound for a table's column: nothing (NULL), text or a number.
using CellValue = std::variant<std::monostate, std::string, std::int32_t>;

// Rows of one game table, checked and converted, their values in the order of
// the table's columns.
struct GameRows {
  const GameTable* Table = nullptr;
  std::vector<std::vector<CellValue>> Rows;
  // The lists the rows belong to, each once, in the order they first appear.
  std::vector<std::string> Lists;
};

// Checks a table file against a game table and converts its rows. The header
// must name every column of the table once and nothing else (the WordList
// column may be left out when list_name is given; the rows then all belong to
// that list). An empty field is NULL. Throws TableFileError naming the file and
// line of the first problem: an unknown, repeated or missing column, a row
// with more fields than the header, a row without a list name, or a numeric
// column holding anything but a whole number.
GameRows ConvertRows(const TableText& text, const GameTable& table, const std::string& file_name,
                     const std::optional<std::string>& list_name);

// Puts the rows in the order the program shows them (by list, then by word, as
// a reader of the language expects), so that the file stores each list in
// word order and loads it without sorting. Rows of one word keep their order.
void SortRows(GameRows& rows, const WordCollator& collator);

// Inserts the rows into the database's table. False when the engine refuses;
// the caller owns the transaction around it.
bool InsertRows(SqliteDatabase& database, const GameRows& rows, std::string& error);

}  // namespace tavlo::wordlist
