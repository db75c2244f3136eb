#include "wordlists/Letters.h"

#include <unicode/utf8.h>

#include "wordlists/IcuLibrary.h"

namespace tavlo {
namespace {

// Calls visit(begin, end, code point) for each character; a byte that does
// not start a valid UTF-8 sequence is a character of its own (U+FFFD).
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  int32_t offset = 0;
  while (offset < length) {
    const int32_t begin = offset;
    UChar32 character = 0;
    U8_NEXT(bytes, offset, length, character);
    visit(static_cast<size_t>(begin), static_cast<size_t>(offset),
          character < 0 ? UChar32{0xFFFD} : character);
  }
}

}  // namespace

std::vector<std::string> SplitLetters(std::string_view text) {
  std::vector<std::string> letters;
  ForEachCharacter(text, [&](size_t begin, size_t end, UChar32) {
    letters.emplace_back(text.substr(begin, end - begin));
  });
  return letters;
}

std::u32string UpperLetters(std::string_view text) {
  const IcuLibrary& icu = Icu();
  std::u32string upper;
  ForEachCharacter(text, [&](size_t, size_t, UChar32 character) {
    if (icu.Loaded) {
      character = icu.ToUpper(character);
    } else if (character >= 'a' && character <= 'z') {
      character -= 'a' - 'A';
    }
    upper.push_back(static_cast<char32_t>(character));
  });
  return upper;
}

}  // namespace tavlo
