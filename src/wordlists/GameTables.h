#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tavlo {

// What one game's table holds beyond the four common columns, and how many
// rows a list needs before the game can deal its items.
struct GameTable {
  std::string_view Name;
  std::int16_t MinimumWords = 1;
  // Size of the record's Texts, and the text columns filling its first slots.
  int TextSlots = 1;
  std::array<std::string_view, 4> TextColumnNames{};
  int TextColumnCount = 0;
  // Size of the record's Numbers, and the numeric columns filling its first
  // slots.
  int NumberSlots = 1;
  std::array<std::string_view, 4> NumberColumnNames{};
  int NumberColumnCount = 0;

  std::span<const std::string_view> TextColumns() const {
    return {TextColumnNames.data(), static_cast<std::size_t>(TextColumnCount)};
  }
  std::span<const std::string_view> NumberColumns() const {
    return {NumberColumnNames.data(), static_cast<std::size_t>(NumberColumnCount)};
  }
  // Every column of the table: the common ones, then the texts, then the
  // numbers.
  std::vector<std::string_view> Columns() const;
  bool IsNumberColumn(std::string_view column) const;
};

inline constexpr std::array<std::string_view, 4> kCommonColumns = {"WordList", "Word", "Image",
                                                                   "Sound"};
inline constexpr int kGameTableCount = 15;

// A list is held with a 16-bit cursor, so it can have at most this many rows.
inline constexpr int kMaximumWords = 32768;

// The fifteen game tables, "Game01" to "Game15" in order.
std::span<const GameTable> GameTables();

// The table of that exact name. Any other name gets a table without game
// columns, whose records keep one empty text and one 0.
const GameTable& FindGameTable(std::string_view name);
bool IsGameTable(std::string_view name);

}  // namespace tavlo
