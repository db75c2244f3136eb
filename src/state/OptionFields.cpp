#include "state/OptionFields.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tavlo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string EncodeTextLine(std::string_view value) {
  std::string line(value);
  // A line break inside a value would shift every later line of the file.
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (!line.empty() && (line.front() == '"' || IsBlank(line.front()) || IsBlank(line.back()))) {
    return "\"" + line + "\"";
  }
  return line;
}

std::string DecodeTextLine(std::string_view line) {
  if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
    return std::string(line.substr(1, line.size() - 2));
  }
  std::string_view trimmed = TrimBlanks(line);
  if (!trimmed.empty() && trimmed.front() == '"') {
    trimmed.remove_prefix(1);
    return std::string(trimmed.substr(0, trimmed.find('"')));
  }
  return std::string(trimmed);
}

std::optional<std::int64_t> ParseNumberLine(std::string_view line, std::int64_t lowest,
                                            std::int64_t highest) {
  const std::string text(TrimBlanks(line));
  if (text.empty()) return std::nullopt;
  // Decimal notation only: strtod would also take hexadecimal, "inf" and "nan".
  if (text.find_first_not_of("+-0123456789.eE") != std::string::npos) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) {
    return std::nullopt;
  }
  const double rounded = std::nearbyint(value);
  if (rounded < static_cast<double>(lowest) || rounded > static_cast<double>(highest)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(rounded);
}

}  // namespace tavlo
