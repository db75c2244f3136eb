#include <gtest/gtest.h>

#include "state/OptionFields.h"

namespace tavlo {
namespace {

TEST(OptionFieldsTests, TextValuesSurviveAWriteAndARead) {
  for (const std::string value :
       {"Everyday words", "Anna, Bo and Cy", "Anna's \"best\" words", " leading", "trailing ",
        "\"quoted\"", "\"", "", "a\"", "  ", "Liberation Sans"}) {
    EXPECT_EQ(DecodeTextLine(EncodeTextLine(value)), value) << "value [" << value << "]";
  }
}

TEST(OptionFieldsTests, ALineBreakInsideAValueCannotShiftTheFile) {
  const std::string line = EncodeTextLine("two\r\nlines");
  EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
}

TEST(OptionFieldsTests, OlderFilesReadAsTheyAlwaysDid) {
  EXPECT_EQ(DecodeTextLine("  Arial  "), "Arial");
  EXPECT_EQ(DecodeTextLine(" \"Everyday words\""), "Everyday words");
  EXPECT_EQ(DecodeTextLine("\"Anna\" and more"), "Anna");
}

TEST(OptionFieldsTests, NumbersMayCarryBlanksAndFractionsRoundHalfToEven) {
  EXPECT_EQ(ParseNumberLine(" 40000 ", 0, 100000), 40000);
  EXPECT_EQ(ParseNumberLine("-1", -10, 10), -1);
  EXPECT_EQ(ParseNumberLine("2.5", 0, 10), 2);
  EXPECT_EQ(ParseNumberLine("3.5", 0, 10), 4);
}

TEST(OptionFieldsTests, WhatIsNotADecimalNumberInRangeIsRefused) {
  EXPECT_FALSE(ParseNumberLine("", 0, 10));
  EXPECT_FALSE(ParseNumberLine("abc", 0, 10));
  EXPECT_FALSE(ParseNumberLine("12abc", 0, 100));
  EXPECT_FALSE(ParseNumberLine("0x10", 0, 100));
  EXPECT_FALSE(ParseNumberLine("inf", 0, 100));
  EXPECT_FALSE(ParseNumberLine("32768", -32768, 32767));
  EXPECT_TRUE(ParseNumberLine("32767", -32768, 32767));
}

}  // namespace
}  // namespace tavlo
