#include <gtest/gtest.h>

#include "TableText.h"

namespace tavlo::wordlist {
namespace {

std::string ErrorOf(std::string_view bytes, TableFormat format) {
  try {
    ParseTable(bytes, format, "words.txt");
  } catch (const TableFileError& error) {
    return error.what();
  }
  return "no error";
}

TEST(TableTextTests, CsvQuotesCarryCommasQuotesAndLineEnds) {
  const TableText table = ParseTable(
      "WordList,Word,Sentence\r\n"
      "L,\"cat, black\",\"He said \"\"hi\"\"\"\r\n"
      "\r\n"
      "L,dog,\"two\nlines\"\n"
      "L,,last",
      TableFormat::Csv, "f.csv");
  EXPECT_EQ(table.Header, (std::vector<std::string>{"WordList", "Word", "Sentence"}));
  ASSERT_EQ(table.Rows.size(), 3u);
  EXPECT_EQ(table.Rows[0].Fields, (std::vector<std::string>{"L", "cat, black", "He said \"hi\""}));
  EXPECT_EQ(table.Rows[0].Line, 2);
  EXPECT_EQ(table.Rows[1].Fields, (std::vector<std::string>{"L", "dog", "two\nlines"}));
  EXPECT_EQ(table.Rows[1].Line, 4);
  EXPECT_EQ(table.Rows[2].Fields, (std::vector<std::string>{"L", "", "last"}));
  EXPECT_EQ(table.Rows[2].Line, 6);
}

TEST(TableTextTests, TsvSplitsOnTabsOnlyAndDropsAByteOrderMark) {
  const TableText table = ParseTable("\xEF\xBB\xBFWordList\tWord\r\nL\t\"quoted\", kept\r\n",
                                     TableFormat::Tsv, "f.tsv");
  EXPECT_EQ(table.Header, (std::vector<std::string>{"WordList", "Word"}));
  ASSERT_EQ(table.Rows.size(), 1u);
  EXPECT_EQ(table.Rows[0].Fields, (std::vector<std::string>{"L", "\"quoted\", kept"}));
}

TEST(TableTextTests, BadInputIsNamedByFileAndLine) {
  EXPECT_EQ(ErrorOf("Word\nok\nbl\xE5\n", TableFormat::Tsv),
            "words.txt:3: the text is not UTF-8; save the file as UTF-8");
  EXPECT_EQ(ErrorOf("Word\n\"open\nstill open", TableFormat::Csv),
            "words.txt:2: a quoted field is never closed");
  EXPECT_EQ(ErrorOf("Word\n\"a\"b\n", TableFormat::Csv),
            "words.txt:2: text follows a closing quote; write \"\" for a quote");
  EXPECT_EQ(ErrorOf("\n\n", TableFormat::Tsv),
            "words.txt:1: the file has no header row naming its columns");
}

TEST(TableTextTests, WrittenTablesReadBackAsTheyWere) {
  const std::vector<std::vector<std::string>> rows = {
      {"WordList", "Word", "Sentence"},
      {"Anna's words", "cat, black", "He said \"hi\"\nand left"},
      {"L", "", "ære"}};
  const TableText csv = ParseTable(FormatTable(rows, TableFormat::Csv), TableFormat::Csv, "f");
  EXPECT_EQ(csv.Header, rows[0]);
  ASSERT_EQ(csv.Rows.size(), 2u);
  EXPECT_EQ(csv.Rows[0].Fields, rows[1]);
  EXPECT_EQ(csv.Rows[1].Fields, rows[2]);

  // A first field that starts like a byte-order mark is not taken for one.
  const std::vector<std::vector<std::string>> marked = {{"\xEF\xBB\xBFWord"}, {"x"}};
  EXPECT_EQ(ParseTable(FormatTable(marked, TableFormat::Csv), TableFormat::Csv, "f").Header,
            marked[0]);
  EXPECT_THROW(FormatTable(marked, TableFormat::Tsv), TableFileError);

  // TSV cannot carry the line end; it refuses rather than split the row.
  EXPECT_THROW(FormatTable(rows, TableFormat::Tsv), TableFileError);
  const std::vector<std::vector<std::string>> plain = {rows[0], rows[2]};
  const TableText tsv = ParseTable(FormatTable(plain, TableFormat::Tsv), TableFormat::Tsv, "f");
  EXPECT_EQ(tsv.Rows.at(0).Fields, rows[2]);
}

}  // namespace
}  // namespace tavlo::wordlist
