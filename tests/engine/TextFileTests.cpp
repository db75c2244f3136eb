#include <gtest/gtest.h>

#include <iterator>

#include "engine/TextFile.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(TextFileTests, SplitsOnEveryKindOfLineEndWithoutATrailingEmptyLine) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("last without end"), (std::vector<std::string>{"last without end"}));
  EXPECT_EQ(SplitLines("\r\n\r\nx"), (std::vector<std::string>{"", "", "x"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextFileTests, KeepsBlanksAndCommasOfALine) {
  EXPECT_EQ(SplitLines("  , leading\r\n"), (std::vector<std::string>{"  , leading"}));
}

TEST(TextFileTests, ReadsUtf8AsItIsAndDropsAByteOrderMark) {
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                       "bl\xC3\xA5"),
            "bl\xC3\xA5");
}

TEST(TextFileTests, ReadsWhatIsNotUtf8AsWindows1252) {
  // "blå" and a euro sign as a Windows editor saves them.
  EXPECT_EQ(DecodeText("bl\xE5 \x80"), "bl\xC3\xA5 \xE2\x82\xAC");
  // An overlong encoding is not UTF-8 either.
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  // A sequence cut off at the end of the text.
  EXPECT_FALSE(IsValidUtf8("ok\xE2\x82"));
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x90\xB1"));
}

TEST(TextFileTests, MissingFileFolderOrPipeReadsAsNothingWithoutWaiting) {
  TempFolder folder;
  EXPECT_FALSE(ReadTextLines(folder / "missing.txt").has_value());
  EXPECT_FALSE(ReadTextLines(folder.Path()).has_value());
  // Opening a pipe nobody writes to would wait for ever.
  testing::MakePipe(folder / "pipe");
  EXPECT_TRUE(testing::EndsWithoutAWriter(
      folder / "pipe", [&] { EXPECT_FALSE(ReadTextLines(folder / "pipe").has_value()); }));
}

TEST(TextFileTests, OnlyTheFirstBytesAreReadAndLongLinesAreCutBetweenCharacters) {
  TempFolder folder;
  // "é" is two bytes: a cut after five bytes must not split the third one.
  WriteFile(folder / "long.txt", "\xC3\xA9\xC3\xA9\xC3\xA9x\r\nsecond\r\nthird line\r\n");
  const auto lines =
      ReadTextLines(folder / "long.txt", TextLimits{.MaxBytes = 19, .MaxLineBytes = 5});
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (std::vector<std::string>{"\xC3\xA9\xC3\xA9", "secon", "th"}));
}

TEST(TextFileTests, WritesCrLfLinesAndLeavesNoTemporaryFile) {
  TempFolder folder;
  WriteFile(folder / "options", "old contents");
  ASSERT_TRUE(WriteTextLinesAtomically(folder / "options", {"1", "", "Anna's words"}));
  EXPECT_EQ(ReadFile(folder / "options"), "1\r\n\r\nAnna's words\r\n");
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    ++files;
  EXPECT_EQ(files, 1u);
}

TEST(TextFileTests, FailedWriteLeavesTheOldFileWhole) {
  TempFolder folder;
  // The target is a folder: the rename over it fails after the data was written.
  std::filesystem::create_directories(folder / "target" / "inside");
  EXPECT_FALSE(WriteTextLinesAtomically(folder / "target", {"new"}));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "target" / "inside"));
  // Nothing but the folder that was there is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_FALSE(WriteTextLinesAtomically(folder / "no-such-folder" / "file", {"x"}));
}

TEST(TextFileTests, AFileWithTheLongestNameTheFolderAllowsIsStillSaved) {
  TempFolder folder;
  const std::filesystem::path file = folder / std::string(255, 'n');
  ASSERT_TRUE(WriteTextLinesAtomically(file, {"kept"}));
  EXPECT_EQ(ReadFile(file), "kept\r\n");
}

}  // namespace
}  // namespace tavlo
