#include "GameRows.h"

#include <algorithm>
#include <cctype>

#include "wordlists/IcuCollation.h"
#include "wordlists/NumberText.h"
#include "wordlists/SqliteDatabase.h"

namespace tavlo::wordlist {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return std::string(text);
}

std::string ColumnList(const std::vector<std::string_view>& columns) {
  std::string list;
  for (const auto column : columns) list += (list.empty() ? "" : ", ") + std::string(column);
  return list;
}

}  // namespace

GameRows ConvertRows(const TableText& text, const GameTable& table, const std::string& file_name,
                     const std::optional<std::string>& list_name) {
  const std::vector<std::string_view> columns = table.Columns();
  // For each table column, the file's field that holds it (-1: none).
  std::vector<int> field_of(columns.size(), -1);
  for (std::size_t field = 0; field < text.Header.size(); ++field) {
    const std::string name = Trimmed(text.Header[field]);
    const auto found = std::find_if(columns.begin(), columns.end(), [&](std::string_view column) {
      return SameIgnoringCase(column, name);
    });
    if (found == columns.end()) {
      throw TableFileError(file_name, text.HeaderLine,
                           "unknown column \"" + name + "\"; " + std::string(table.Name) +
                               " has the columns " + ColumnList(columns));
    }
    const auto column = static_cast<std::size_t>(found - columns.begin());
    if (field_of[column] >= 0) {
      throw TableFileError(file_name, text.HeaderLine,
                           "the column " + std::string(*found) + " is named twice");
    }
    field_of[column] = static_cast<int>(field);
  }
  for (std::size_t column = 0; column < columns.size(); ++column) {
    const bool list_given = column == 0 && list_name;
    if (field_of[column] < 0 && !list_given) {
      throw TableFileError(file_name, text.HeaderLine,
                           "the column " + std::string(columns[column]) + " is missing; " +
                               std::string(table.Name) + " needs " + ColumnList(columns));
    }
  }

  GameRows result;
  result.Table = &table;
  for (const TableRow& row : text.Rows) {
    if (row.Fields.size() > text.Header.size()) {
      throw TableFileError(file_name, row.Line,
                           "the row has " + std::to_string(row.Fields.size()) +
                               " fields, but the header names " +
                               std::to_string(text.Header.size()) + " columns");
    }
    std::vector<CellValue> values(columns.size());
    for (std::size_t column = 0; column < columns.size(); ++column) {
      const int field = field_of[column];
      // A row may leave out empty fields at its end.
      const std::string value = field >= 0 && static_cast<std::size_t>(field) < row.Fields.size()
                                    ? row.Fields[field]
                                    : "";
      if (column == 0 && list_name) {
        values[column] = *list_name;
      } else if (value.empty()) {
        values[column] = std::monostate();
      } else if (table.IsNumberColumn(columns[column])) {
        const auto number = ParseInt32(value);
        if (!number) {
          throw TableFileError(file_name, row.Line,
                               "\"" + value + "\" in the column " + std::string(columns[column]) +
                                   " is not a whole number");
        }
        values[column] = *number;
      } else {
        values[column] = value;
      }
    }
    const auto* list = std::get_if<std::string>(&values[0]);
    if (!list) throw TableFileError(file_name, row.Line, "the row names no word list");
    if (std::find(result.Lists.begin(), result.Lists.end(), *list) == result.Lists.end()) {
      result.Lists.push_back(*list);
    }
    result.Rows.push_back(std::move(values));
  }
  return result;
}

void SortRows(GameRows& rows, const WordCollator& collator) {
  const auto text_of = [](const CellValue& value) -> std::string_view {
    const auto* text = std::get_if<std::string>(&value);
    return text ? std::string_view(*text) : std::string_view();
  };
  std::stable_sort(rows.Rows.begin(), rows.Rows.end(),
                   [&](const std::vector<CellValue>& a, const std::vector<CellValue>& b) {
                     const int by_list = collator.Compare(text_of(a[0]), text_of(b[0]));
                     if (by_list != 0) return by_list < 0;
                     return collator.Compare(text_of(a[1]), text_of(b[1])) < 0;
                   });
}

bool InsertRows(SqliteDatabase& database, const GameRows& rows, std::string& error) {
  const std::vector<std::string_view> columns = rows.Table->Columns();
  std::string names;
  std::string parameters;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    names += (i ? ", " : "") + SqliteDatabase::QuoteIdentifier(columns[i]);
    parameters += (i ? ", ?" : "?") + std::to_string(i + 1);
  }
  SqliteStatement insert =
      database.Prepare("INSERT INTO " + SqliteDatabase::QuoteIdentifier(rows.Table->Name) + " (" +
                       names + ") VALUES (" + parameters + ")");
  if (!insert.IsValid()) {
    error = database.Error();
    return false;
  }
  for (const auto& row : rows.Rows) {
    insert.Reset();
    for (std::size_t i = 0; i < row.size(); ++i) {
      const int parameter = static_cast<int>(i) + 1;
      if (const auto* text = std::get_if<std::string>(&row[i])) {
        insert.BindText(parameter, *text);
      } else if (const auto* number = std::get_if<std::int32_t>(&row[i])) {
        insert.BindInteger(parameter, *number);
      } else {
        insert.BindNull(parameter);
      }
    }
    if (insert.Step() != SqliteStep::Done) {
      error = insert.Error();
      return false;
    }
  }
  return true;
}

}  // namespace tavlo::wordlist
