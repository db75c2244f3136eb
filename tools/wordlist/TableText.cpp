#include "TableText.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "engine/TextFile.h"

namespace tavlo::wordlist {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Reports the first line that is not UTF-8, so the user can find it.
void RequireUtf8(std::string_view bytes, const std::string& file_name) {
  int line = 1;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    if (!IsValidUtf8(bytes.substr(start, end - start))) {
      throw TableFileError(file_name, line, "the text is not UTF-8; save the file as UTF-8");
    }
    start = end + 1;
    ++line;
  }
}

bool IsBlank(const TableRow& row) { return row.Fields.size() == 1 && row.Fields[0].empty(); }

void AddRow(TableText& table, TableRow row) {
  if (IsBlank(row)) return;
  if (table.Header.empty() && table.HeaderLine == 0) {
    table.Header = std::move(row.Fields);
    table.HeaderLine = row.Line;
    return;
  }
  table.Rows.push_back(std::move(row));
}

TableText ParseTsv(std::string_view text) {
  TableText table;
  int line = 1;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view content = text.substr(start, end - start);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    TableRow row{line, {}};
    std::size_t field_start = 0;
    while (true) {
      const std::size_t tab = content.find('\t', field_start);
      row.Fields.emplace_back(content.substr(field_start, tab - field_start));
      if (tab == std::string_view::npos) break;
      field_start = tab + 1;
    }
    AddRow(table, std::move(row));
    start = end + 1;
    ++line;
  }
  return table;
}

TableText ParseCsv(std::string_view text, const std::string& file_name) {
  TableText table;
  int line = 1;
  std::size_t i = 0;
  TableRow row{line, {}};
  std::string field;
  bool row_open = false;

  auto end_row = [&](int next_line) {
    row.Fields.push_back(std::move(field));
    field.clear();
    AddRow(table, std::move(row));
    row = TableRow{next_line, {}};
    row_open = false;
  };

  while (i < text.size()) {
    const char c = text[i];
    if (c == '"' && field.empty() && (!row_open || text[i - 1] == ',')) {
      // A quoted field runs to the quote that is not doubled.
      const int opened_on = line;
      ++i;
      while (true) {
        if (i >= text.size()) {
          throw TableFileError(file_name, opened_on, "a quoted field is never closed");
        }
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        if (text[i] == '\n') ++line;
        field += text[i++];
      }
      row_open = true;
      if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
        throw TableFileError(file_name, line,
                             "text follows a closing quote; write \"\" for a quote");
      }
      continue;
    }
    row_open = true;
    if (c == ',') {
      row.Fields.push_back(std::move(field));
      field.clear();
      ++i;
    } else if (c == '\r' || c == '\n') {
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      ++line;
      end_row(line);
    } else {
      field += c;
      ++i;
    }
  }
  if (row_open) end_row(line);
  return table;
}

std::string QuotedCsvField(const std::string& field) {
  // A field starting with a byte-order mark is quoted too: at the start of the
  // file, the mark would be taken for the file's own and dropped.
  if (field.find_first_of(",\"\r\n") == std::string::npos && !field.starts_with(kByteOrderMark)) {
    return field;
  }
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

TableFormat FormatOfFile(const std::filesystem::path& file) {
  return Lowered(file.extension().string()) == ".csv" ? TableFormat::Csv : TableFormat::Tsv;
}

std::optional<TableFormat> ParseFormat(std::string_view name) {
  const std::string lowered = Lowered(std::string(name));
  if (lowered == "csv") return TableFormat::Csv;
  if (lowered == "tsv") return TableFormat::Tsv;
  return std::nullopt;
}

TableText ParseTable(std::string_view bytes, TableFormat format, const std::string& file_name) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  RequireUtf8(bytes, file_name);
  TableText table = format == TableFormat::Csv ? ParseCsv(bytes, file_name) : ParseTsv(bytes);
  if (table.HeaderLine == 0) {
    throw TableFileError(file_name, 1, "the file has no header row naming its columns");
  }
  return table;
}

TableText ReadTableFile(const std::filesystem::path& file, TableFormat format) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) throw TableFileError(file.string() + ": cannot be read");
  std::ostringstream bytes;
  bytes << stream.rdbuf();
  if (stream.bad()) throw TableFileError(file.string() + ": cannot be read");
  return ParseTable(bytes.str(), format, file.string());
}

std::string FormatTable(const std::vector<std::vector<std::string>>& rows, TableFormat format) {
  std::string text;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t f = 0; f < rows[r].size(); ++f) {
      const std::string& field = rows[r][f];
      if (format == TableFormat::Csv) {
        if (f > 0) text += ',';
        text += QuotedCsvField(field);
      } else {
        if (field.find_first_of("\t\r\n") != std::string::npos ||
            (r == 0 && f == 0 && field.starts_with(kByteOrderMark))) {
          throw TableFileError("row " + std::to_string(r) + " holds \"" + field +
                               "\", which TSV cannot carry; export as CSV");
        }
        if (f > 0) text += '\t';
        text += field;
      }
    }
    text += format == TableFormat::Csv ? "\r\n" : "\n";
  }
  return text;
}

}  // namespace tavlo::wordlist
