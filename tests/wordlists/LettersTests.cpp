#include <gtest/gtest.h>

#include "wordlists/Letters.h"

namespace tavlo {
namespace {

TEST(LettersTests, WordsSplitIntoTheirCharactersAndCompareInUpperCase) {
  // Danish æ, ø, å are one letter each; a stray byte is a letter that
  // matches no typed one.
  EXPECT_EQ(SplitLetters("b\u00e6r\xff"), (std::vector<std::string>{"b", "\u00e6", "r", "\xff"}));
  EXPECT_EQ(UpperLetters("b\u00e6r\xff"), U"B\u00c6R\uFFFD");
  EXPECT_EQ(UpperLetters("\u00f8\u00e5"), U"\u00d8\u00c5");
  EXPECT_TRUE(SplitLetters("").empty());
}

}  // namespace
}  // namespace tavlo
