#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// The letters of a word as it is written, one UTF-8 string per character, so
// that a word of any language can be laid out letter by letter (Danish æ, ø
// and å are one letter each). Bytes that are not UTF-8 count as one letter
// each.
std::vector<std::string> SplitLetters(std::string_view text);

// The characters of a text in upper case, one code point each, for comparing
// letters without regard to case in every alphabet.
std::u32string UpperLetters(std::string_view text);

}  // namespace tavlo
