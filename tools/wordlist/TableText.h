#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo::wordlist {

// Comma-separated values as spreadsheets write them (RFC 4180: quotes around
// fields that hold commas, quotes or line ends), or tab-separated values where
// a field holds no tab and no line end and quotes are ordinary characters.
enum class TableFormat { Csv, Tsv };

// ".csv" is CSV; everything else is read as TSV.
TableFormat FormatOfFile(const std::filesystem::path& file);
std::optional<TableFormat> ParseFormat(std::string_view name);

// Bad input, named by file and line: "file:line: what is wrong".
class TableFileError : public std::runtime_error {
 public:
  TableFileError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
  explicit TableFileError(const std::string& message) : std::runtime_error(message) {}
};

struct TableRow {
  // The line the row starts on, counted from 1.
  int Line = 0;
  std::vector<std::string> Fields;
};

// A table file: its header row naming the columns and the rows under it.
// Empty lines are skipped.
struct TableText {
  std::vector<std::string> Header;
  int HeaderLine = 0;
  std::vector<TableRow> Rows;
};

// Parses a whole file's bytes, which must be UTF-8 (a byte-order mark is
// dropped). file_name only names the file in errors. Throws TableFileError.
TableText ParseTable(std::string_view bytes, TableFormat format, const std::string& file_name);
TableText ReadTableFile(const std::filesystem::path& file, TableFormat format);

// The rows (the header first) as file text: CSV with CR LF line ends and
// quotes where needed, TSV with LF line ends. Throws TableFileError when a TSV
// field holds a tab or a line end, which TSV cannot carry.
std::string FormatTable(const std::vector<std::vector<std::string>>& rows, TableFormat format);

}  // namespace tavlo::wordlist
