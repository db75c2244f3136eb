#include "wordlists/GameFields.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/Rounding.h"
#include "wordlists/NumberText.h"
#include "wordlists/SqliteDatabase.h"

namespace tavlo {
namespace {

bool FitsInt32(double value) {
  return std::isfinite(value) &&
         value >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
         value <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
}

// A numeric column's value as a 32-bit whole number, 0 for NULL. A fraction
// is rounded as every conversion of the program rounds.
std::optional<std::int32_t> ReadNumber(const SqliteStatement& row, int column) {
  switch (row.ColumnType(column)) {
    case SqliteType::Null:
      return 0;
    case SqliteType::Integer: {
      const std::int64_t value = row.Integer(column);
      if (value < std::numeric_limits<std::int32_t>::min() ||
          value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
      }
      return static_cast<std::int32_t>(value);
    }
    case SqliteType::Real: {
      const double value = std::nearbyint(row.Real(column));
      if (!FitsInt32(value)) return std::nullopt;
      return nint(value);
    }
    case SqliteType::Text:
      return ParseInt32(row.Text(column));
    case SqliteType::Blob:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

GameFieldColumns FindGameFieldColumns(std::string_view table, const SqliteStatement& result) {
  GameFieldColumns columns;
  columns.Table = &FindGameTable(table);
  for (const auto name : columns.Table->TextColumns()) {
    const int index = result.ColumnIndex(name);
    if (index < 0) columns.Complete = false;
    columns.Texts.push_back(index);
  }
  for (const auto name : columns.Table->NumberColumns()) {
    const int index = result.ColumnIndex(name);
    if (index < 0) columns.Complete = false;
    columns.Numbers.push_back(index);
  }
  return columns;
}

bool LoadGameFields(const GameFieldColumns& columns, const SqliteStatement& row,
                    WordRecord& record) {
  record.Texts.assign(static_cast<std::size_t>(columns.Table->TextSlots), std::string());
  record.Numbers.assign(static_cast<std::size_t>(columns.Table->NumberSlots), 0);
  if (!columns.Complete) return false;

  // Text() reads a NULL as "", the slot's initial value.
  for (std::size_t slot = 0; slot < columns.Texts.size(); ++slot) {
    record.Texts[slot] = row.Text(columns.Texts[slot]);
  }
  for (std::size_t slot = 0; slot < columns.Numbers.size(); ++slot) {
    const auto value = ReadNumber(row, columns.Numbers[slot]);
    if (!value) return false;
    record.Numbers[slot] = *value;
  }
  return true;
}

}  // namespace tavlo
