#include <gtest/gtest.h>

#include "wordlists/Letters.h"

namespace tavlo {
namespace {

struct LetterCase {
  const char* Text;
  std::vector<std::string> Letters;
  std::u32string Upper;
};

TEST(LettersTests, WordsSplitIntoTheirCharactersAndCompareInUpperCase) {
  const LetterCase cases[] = {
      {"cat", {"c", "a", "t"}, U"CAT"},
      // Danish: each of æ, ø and å is one letter, upper-cased to Æ, Ø, Å.
      {"bl\u00e5b\u00e6r", {"b", "l", "\u00e5", "b", "\u00e6", "r"}, U"BL\u00c5B\u00c6R"},
      {"\u00f8", {"\u00f8"}, U"\u00d8"},
      {"", {}, U""},
      // A stray byte is one letter that matches no typed letter.
      {"a\xff", {"a", "\xff"}, U"A\uFFFD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitLetters(c.Text), c.Letters) << c.Text;
    EXPECT_EQ(UpperLetters(c.Text), c.Upper) << c.Text;
  }
}

}  // namespace
}  // namespace tavlo
