#include "wordlists/GameTables.h"

#include <algorithm>

namespace tavlo {
namespace {

using Names = std::array<std::string_view, 4>;

constexpr GameTable Table(std::string_view name, std::int16_t minimum_words, int text_slots,
                          Names texts, int text_count, int number_slots, Names numbers,
                          int number_count) {
  return GameTable{name,       minimum_words, text_slots, texts,
                   text_count, number_slots,  numbers,    number_count};
}

constexpr std::array<GameTable, kGameTableCount> kGameTables = {
    Table("Game01", 4, 1, {}, 0, 4, {"Correct0", "Correct1", "Correct2", "Correct3"}, 4),
    Table("Game02", 4, 2, {"Hint", "Sentence"}, 2, 1, {}, 0),
    Table("Game03", 6, 1, {"Question"}, 1, 1, {"Correct"}, 1),
    Table("Game04", 4, 2, {"SentenceA", "SentenceB"}, 2, 1, {"Correct"}, 1),
    Table("Game05", 4, 1, {"Question"}, 1, 1, {}, 0),
    Table("Game06", 4, 1, {"Order"}, 1, 1, {"Color"}, 1),
    Table("Game07", 4, 3, {"SentenceA", "SentenceB", "SentenceC"}, 3, 1, {}, 0),
    Table("Game08", 4, 3, {"SentenceA", "SentenceB", "SentenceC"}, 3, 1, {}, 0),
    Table("Game09", 3, 1, {"Hint"}, 1, 1, {}, 0),
    // Game 10 keeps four text slots of which its one column fills the first.
    Table("Game10", 4, 4, {"SentenceA"}, 1, 1, {"Correct"}, 1),
    Table("Game11", 1, 1, {"SentenceA"}, 1, 1, {}, 0),
    Table("Game12", 4, 4, {"SentenceA", "SentenceB", "SentenceC", "SentenceD"}, 4, 1, {"Correct"},
          1),
    Table("Game13", 4, 4, {"SentenceA", "SentenceB", "SentenceC", "SentenceD"}, 4, 1, {"Correct"},
          1),
    // StrNum and Num hold numbers, but the game reads them as text.
    Table("Game14", 4, 3, {"Sentence", "StrNum", "Num"}, 3, 1, {}, 0),
    Table("Game15", 1, 1, {}, 0, 1, {}, 0),
};

constexpr GameTable kNoGameColumns = Table("", 1, 1, {}, 0, 1, {}, 0);

}  // namespace

std::vector<std::string_view> GameTable::Columns() const {
  std::vector<std::string_view> columns(kCommonColumns.begin(), kCommonColumns.end());
  for (const auto column : TextColumns()) columns.push_back(column);
  for (const auto column : NumberColumns()) columns.push_back(column);
  return columns;
}

bool GameTable::IsNumberColumn(std::string_view column) const {
  const auto numbers = NumberColumns();
  return std::find(numbers.begin(), numbers.end(), column) != numbers.end();
}

std::span<const GameTable> GameTables() { return kGameTables; }

const GameTable& FindGameTable(std::string_view name) {
  for (const auto& table : kGameTables) {
    if (table.Name == name) return table;
  }
  return kNoGameColumns;
}

bool IsGameTable(std::string_view name) { return !FindGameTable(name).Name.empty(); }

}  // namespace tavlo
