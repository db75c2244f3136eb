// Whatever bytes a teacher's table file holds, reading it either names the
// problem or gives rows that, written as CSV and read again, are the same, and
// that a game table accepts or refuses with a message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "GameRows.h"
#include "TableText.h"
#include "wordlists/GameTables.h"

using tavlo::wordlist::TableFileError;
using tavlo::wordlist::TableFormat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const TableFormat format = data[0] % 2 ? TableFormat::Csv : TableFormat::Tsv;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  tavlo::wordlist::TableText table;
  try {
    table = tavlo::wordlist::ParseTable(bytes, format, "fuzz");
  } catch (const TableFileError&) {
    return 0;
  }

  std::vector<std::vector<std::string>> rows = {table.Header};
  for (const auto& row : table.Rows) rows.push_back(row.Fields);
  const std::string written = tavlo::wordlist::FormatTable(rows, TableFormat::Csv);
  const auto again = tavlo::wordlist::ParseTable(written, TableFormat::Csv, "again");
  // Rows of one empty field are blank lines, which reading skips.
  std::vector<std::vector<std::string>> kept;
  for (const auto& row : rows) {
    if (!(row.size() == 1 && row[0].empty())) kept.push_back(row);
  }
  std::vector<std::vector<std::string>> read = {again.Header};
  for (const auto& row : again.Rows) read.push_back(row.Fields);
  if (!kept.empty() && read != kept) std::abort();

  try {
    tavlo::wordlist::ConvertRows(table, tavlo::FindGameTable("Game01"), "fuzz", std::nullopt);
  } catch (const TableFileError&) {
  }
  return 0;
}
