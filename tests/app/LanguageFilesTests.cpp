// Every line a screen, a message box or a game reads exists in each language
// the program folder brings, read the way the program reads it: a language
// chosen as a user chooses it, its files loaded by the program's own loaders.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "state/LanguageTexts.h"
#include "support/ProgramFolder.h"

namespace tavlo {
namespace {

std::string At(const std::vector<std::string>& lines, int line) {
  return line < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(line)] : "";
}

// One language file: the loader that reads it, how a line is asked for, and
// the line numbers the program asks for (0-based). The help screen shows
// every line of its file, so each language has every English help line.
struct FileLines {
  const char* File;
  void (LanguageTexts::*Loader)();
  std::function<std::string(LanguageTexts&, int)> Line;
  std::vector<int> Numbers;
};

const std::vector<FileLines> kLinesTheProgramReads = {
    {"menu.txt",
     &LanguageTexts::LoadMenuTexts,
     &LanguageTexts::MenuText,
     {0, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}},
    {"games.txt",
     &LanguageTexts::LoadGameNames,
     &LanguageTexts::GameName,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
    {"options.txt", &LanguageTexts::LoadOptionTexts, &LanguageTexts::OptionText,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    {"profiles.txt",
     &LanguageTexts::LoadProfilesTexts,
     &LanguageTexts::ProfilesText,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    // Line 8, the data-folder failure, may be left empty for the program's own text.
    {"information.txt",
     &LanguageTexts::LoadInformationTexts,
     &LanguageTexts::InformationText,
     {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
    {"help.txt",
     &LanguageTexts::LoadHelpTexts,
     &LanguageTexts::HelpText,
     {/* every English line */}},
    {"rewards.txt",
     &LanguageTexts::LoadRewardTexts,
     [](LanguageTexts& texts, int line) { return At(texts.RewardTexts(), line); },
     {0, 1, 2, 3}},
    {"credits.txt",
     &LanguageTexts::LoadCredits,
     [](LanguageTexts& texts, int line) { return texts.Credits().at(line); },
     {0, 1}},
    {"defaultlist.txt",
     &LanguageTexts::LoadDefaultList,
     [](LanguageTexts& texts, int) { return texts.GetDefaultWordList(); },
     {0}},
};

// The game data files and how many buttons their games lay out from them.
const std::vector<std::pair<std::string, size_t>> kGameDataLines = {
    {"Game01", 2}, {"Game03", 2}, {"Game10", 2}};

class LanguageFilesTests : public testing::ProgramFolderTest,
                           public ::testing::WithParamInterface<std::string> {};

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFilesTests, ::testing::Values("eng", "den"),
                         [](const ::testing::TestParamInfo<std::string>& test) {
                           return test.param;
                         });

TEST_P(LanguageFilesTests, HoldEveryLineTheProgramReads) {
  LanguageTexts english(platform, program.Path());
  english.LoadStartupTexts({"eng", ""});
  english.LoadHelpTexts();
  std::vector<int> help_lines(english.HelpTexts().size());
  for (size_t i = 0; i < help_lines.size(); ++i) help_lines[i] = static_cast<int>(i);
  ASSERT_GE(help_lines.size(), 10u);

  LanguageTexts texts(platform, program.Path());
  ASSERT_NO_THROW(texts.LoadStartupTexts({GetParam(), ""}));
  ASSERT_EQ(texts.gLanguage, GetParam());
  for (const FileLines& file : kLinesTheProgramReads) {
    ASSERT_TRUE(texts.Reload(file.Loader)) << GetParam() << "/" << file.File << " is missing";
    for (const int number : file.Numbers.empty() ? help_lines : file.Numbers) {
      const std::string line = file.Line(texts, number);
      EXPECT_FALSE(line.empty() || line.find("Internal Error") != std::string::npos)
          << GetParam() << "/" << file.File << " has no line " << number;
    }
  }
  for (const auto& [game, buttons] : kGameDataLines) {
    texts.gGameData.clear();
    texts.LoadGameData(game);
    EXPECT_EQ(texts.gGameData.size(), buttons) << GetParam() << "/" << game << "data.txt";
  }
  EXPECT_TRUE(platform.Messages.empty()) << platform.Messages.front().Text;
}

}  // namespace
}  // namespace tavlo
