#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Fonts.h"
#include "platform/PagePdf.h"
#include "platform/PrinterCups.h"
#include "platform/TextWrap.h"

namespace tavlo {
namespace {

TEST(TextWrapTests, LinesBreakAtBlanksOnlyAndOverlongWordsBetweenCharacters) {
  // Each character is one unit wide.
  const auto measure = [](std::string_view text) { return static_cast<float>(text.size()); };
  struct Case {
    std::string Text;
    float Width;
    std::vector<std::string> Lines;
  };
  const std::vector<Case> cases = {
      {"see paths.txt(located here)", 14, {"see", "paths.txt(loca", "ted here)"}},
      {"the file paths.txt is missing", 14, {"the file", "paths.txt is", "missing"}},
      {"one\ntwo three", 20, {"one", "two three"}},
      {"", 10, {""}},
      {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(WrapAtBlanks(test.Text, test.Width, measure), test.Lines) << test.Text;
  }
}

TEST(PrintingTests, APagePdfHoldsOnePageWithThePictureAndAValidTable) {
  Surface page = Surface::Create(800, 600);
  page.Clear(kWhite);
  page.Fill(320, 200, 100, 20, RGB(0, 255, 0));
  const std::string pdf = PagePdf(page);
  ASSERT_TRUE(pdf.starts_with("%PDF-1.4"));
  EXPECT_TRUE(pdf.ends_with("%%EOF\n"));
  EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
  EXPECT_NE(pdf.find("/Width 800 /Height 600"), std::string::npos);
  // The cross-reference table points at where each object begins.
  const size_t table = std::stoul(pdf.substr(pdf.rfind("startxref") + 10));
  ASSERT_EQ(pdf.compare(table, 4, "xref"), 0);
  // After "xref", the count line and the free entry, 20 bytes per object.
  const size_t entries = pdf.find("65535 f \n", table) + 9;
  const size_t third = std::stoul(pdf.substr(entries + 2 * 20, 10));
  EXPECT_EQ(pdf.compare(third, 7, "3 0 obj"), 0);
  // A white page compresses to a small file.
  EXPECT_LT(pdf.size(), 30'000u);
}

TEST(PrintingTests, FontsOfferOnlyFacesThatWriteLettersAndArialFindsItsStandIn) {
  const auto families = FontLibrary::Families();
  for (const char* symbols : {"D050000L", "Standard Symbols PS"}) {
    EXPECT_EQ(std::find(families.begin(), families.end(), symbols), families.end()) << symbols;
  }
  const std::string arial = FontLibrary::MatchingFamily("Arial");
  ASSERT_FALSE(arial.empty());
  EXPECT_NE(std::find(families.begin(), families.end(), arial), families.end()) << arial;
}

// CUPS is opened by name when a page is first printed: a wrong library or
// function name would only show as a printer that is never found.
TEST(PrintingTests, CupsOpensWithEveryFunctionPrintingUses) {
  EXPECT_TRUE(PrinterCups::LibraryFound());
}

}  // namespace
}  // namespace tavlo
