#include "wordlists/NumberText.h"

#include <charconv>
#include <cstddef>

namespace tavlo {

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;

  if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X") ||
                          text.starts_with("&H") || text.starts_with("&h"))) {
    // Colours fill all 32 bits, so hexadecimal is read unsigned and kept as
    // the same bits.
    std::uint32_t bits = 0;
    const char* first = text.data() + 2;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, bits, 16);
    if (error != std::errc() || end != last) return std::nullopt;
    return static_cast<std::int32_t>(bits);
  }

  if (text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value, 10);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace tavlo
