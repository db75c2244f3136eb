#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace tavlo {

// Names in the program's files (pictures, recordings, keys, table and column
// names) were written for systems that ignore the case of plain letters; these
// compare and fold only A to Z, so a name's other bytes (UTF-8 letters among
// them) stay exactly as written.
inline bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

}  // namespace tavlo
