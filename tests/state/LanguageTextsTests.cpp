#include <gtest/gtest.h>

#include "state/LanguageTexts.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::TempFolder;
using testing::WriteFile;
using testing::WriteLines;

class LanguageTextsTests : public ::testing::Test {
 protected:
  LanguageTextsTests() : texts(platform, folder.Path()) {
    WriteLines(folder / "lang/lang.txt", {"eng"});
    texts.gLanguage = "eng";
  }

  void WriteLanguageFile(const std::string& name, const std::vector<std::string>& lines) {
    WriteLines(folder / ("lang/eng/" + name), lines);
  }

  void WriteAllStartupFiles() {
    for (const char* name : {"information.txt", "menu.txt", "games.txt", "defaultlist.txt",
                             "options.txt", "credits.txt", "rewards.txt"}) {
      WriteLanguageFile(name, {std::string("first line of ") + name});
    }
  }

  TempFolder folder;
  testing::FakePlatform platform;
  LanguageTexts texts;
};

TEST_F(LanguageTextsTests, TheLastNonEmptyLineOfLangTxtNamesTheLanguage) {
  WriteLines(folder / "lang/lang.txt", {"eng", "dan", ""});
  texts.LoadLanguageName();
  EXPECT_EQ(texts.gLanguage, "dan");
  WriteFile(folder / "lang/lang.txt", "");
  texts.LoadLanguageName();
  EXPECT_EQ(texts.gLanguage, "");
}

// A language asked for outside the program folder wins over lang/lang.txt: a
// choice (command line or TAVLO_LANGUAGE) always, the locale when the program
// has a folder for its language.
TEST_F(LanguageTextsTests, TheRequestedLanguageWinsOverLangTxtWhereItIsInstalled) {
  std::filesystem::create_directories(folder / "lang/den");
  WriteLines(folder / "lang/lang.txt", {"eng"});
  const struct {
    LanguageRequest Request;
    std::string Language;
  } cases[] = {
      {{"", ""}, "eng"},
      {{"den", ""}, "den"},
      {{"da", ""}, "den"},
      {{"eng", "da_DK.UTF-8"}, "eng"},
      {{"fr", ""}, "fr"},  // kept, so that start-up names the files it lacks
      {{"", "da_DK.UTF-8"}, "den"},
      {{"", "da"}, "den"},
      {{"", "en_GB.UTF-8"}, "eng"},
      {{"", "de_DE.UTF-8"}, "eng"},
      {{"", "C.UTF-8"}, "eng"},
      {{"", "dansk"}, "eng"},
  };
  for (const auto& c : cases) {
    texts.LoadLanguageName(c.Request);
    EXPECT_EQ(texts.gLanguage, c.Language) << c.Request.Chosen << " / " << c.Request.Locale;
  }
  std::filesystem::remove_all(folder / "lang/den");
  texts.LoadLanguageName({"", "da_DK.UTF-8"});
  EXPECT_EQ(texts.gLanguage, "eng") << "a locale without a folder leaves lang.txt's choice";
}

TEST_F(LanguageTextsTests, MessageBoxesTakeTheirWordsFromTheInformationTexts) {
  WriteLanguageFile("information.txt", {"0", "1", "2", "3", "4", "Ja", "Nej", "OK"});
  texts.LoadInformationTexts();
  MessageButtonWords words = texts.ButtonWords();
  EXPECT_EQ(words.Yes, "Ja");
  EXPECT_EQ(words.No, "Nej");
  EXPECT_EQ(words.Ok, "OK");

  WriteLanguageFile("information.txt", {"0", "1", "2", "3", "4", "", "Nein"});
  texts.LoadInformationTexts();
  words = texts.ButtonWords();
  EXPECT_EQ(words.Yes, "Yes");
  EXPECT_EQ(words.No, "Nein");
  EXPECT_EQ(words.Ok, "OK");
  EXPECT_EQ(texts.ErrorCaption(), "Error") << "a language without its own caption";

  std::vector<std::string> lines(18, "-");
  lines.push_back("Fejl");
  WriteLanguageFile("information.txt", lines);
  texts.LoadInformationTexts();
  EXPECT_EQ(texts.ErrorCaption(), "Fejl");
}

TEST_F(LanguageTextsTests, MenuTextsKeepEmptyLinesAndReportBadLineNumbers) {
  WriteLanguageFile("menu.txt", {"0", "1", "2", "3", "", "5", "6", "7", "8", "last"});
  texts.LoadMenuTexts();
  EXPECT_EQ(texts.MenuText(4), "");
  EXPECT_EQ(texts.MenuText(9), "last");
  EXPECT_EQ(texts.MenuText(10), "Internal Error: Option string not defined.");
  EXPECT_EQ(texts.MenuText(-1), "Internal Error: Option string not defined.");
}

TEST_F(LanguageTextsTests, EachLookupHasItsOwnInternalErrorText) {
  EXPECT_EQ(texts.GameName(15), "Internal Error: Game name not defined.");
  EXPECT_EQ(texts.GameName(-1), "Internal Error: Game name not defined.");
  EXPECT_EQ(texts.OptionText(0), "Internal Error: Option string not defined.");
  EXPECT_EQ(texts.HelpText(0), "Internal Error: Help string not defined.");
  EXPECT_EQ(texts.ProfilesText(0), "Internal Error: Profiles string not defined.");
  EXPECT_EQ(texts.InformationText(0), "Internal Error: Information string not defined.");
}

TEST_F(LanguageTextsTests, GameNamesAreAlwaysFifteen) {
  std::vector<std::string> twenty;
  for (int i = 1; i <= 20; ++i) twenty.push_back("Game " + std::to_string(i));
  WriteLanguageFile("games.txt", twenty);
  texts.LoadGameNames();
  EXPECT_EQ(texts.GameName(0), "Game 1");
  EXPECT_EQ(texts.GameName(14), "Game 15");

  WriteLanguageFile("games.txt", std::vector<std::string>(twenty.begin(), twenty.begin() + 12));
  texts.LoadGameNames();
  EXPECT_EQ(texts.GameName(11), "Game 12");
  EXPECT_EQ(texts.GameName(12), "");
  EXPECT_EQ(texts.GameName(14), "");
}

TEST_F(LanguageTextsTests, CreditsTakeTheFirstTwoNonEmptyLines) {
  WriteLanguageFile("credits.txt", {"", "A", "", "B", "C"});
  texts.LoadCredits();
  EXPECT_EQ(texts.Credits()[0], "A");
  EXPECT_EQ(texts.Credits()[1], "B");
}

TEST_F(LanguageTextsTests, LinesKeepLeadingBlanksAndCommas) {
  WriteLanguageFile("options.txt", {"  indented, with comma ", ",start"});
  texts.LoadOptionTexts();
  EXPECT_EQ(texts.OptionText(0), "  indented, with comma ");
  EXPECT_EQ(texts.OptionText(1), ",start");
}

TEST_F(LanguageTextsTests, ReloadingATableStartsAfresh) {
  WriteLanguageFile("rewards.txt", {"a", "b", "c"});
  texts.LoadRewardTexts();
  WriteLanguageFile("rewards.txt", {"x"});
  texts.LoadRewardTexts();
  EXPECT_EQ(texts.RewardTexts(), std::vector<std::string>{"x"});
}

TEST_F(LanguageTextsTests, GameDataSkipsEmptyLinesAndAMissingFileKeepsTheOldLines) {
  WriteLanguageFile("Game01data.txt", {"a", "", "an", "", "the"});
  texts.LoadGameData("Game01");
  EXPECT_EQ(texts.gGameData, (std::vector<std::string>{"a", "an", "the"}));
  texts.LoadGameData("Game02");
  EXPECT_EQ(texts.gGameData, (std::vector<std::string>{"a", "an", "the"}));
  // A runaway file gives no more buttons than a screen can hold.
  WriteLanguageFile("Game03data.txt", std::vector<std::string>(4000, "yes"));
  texts.LoadGameData("Game03");
  EXPECT_EQ(texts.gGameData.size(), LanguageTexts::kMostGameDataLines);
}

TEST_F(LanguageTextsTests, WindowsFilesAreReadInTheirCodePage) {
  WriteFile(folder / "lang/eng/menu.txt",
            "Bl\xE5"
            "b\xE6r\r\n");
  texts.LoadMenuTexts();
  EXPECT_EQ(texts.MenuText(0),
            "Bl\xC3\xA5"
            "b\xC3\xA6r");
}

TEST_F(LanguageTextsTests, AMissingStartupFileIsFatalAndNamesTheFile) {
  WriteAllStartupFiles();
  std::filesystem::remove(folder / "lang/eng/credits.txt");
  try {
    texts.LoadStartupTexts();
    FAIL() << "a missing credits.txt must stop the start";
  } catch (const LanguageFileMissing& missing) {
    EXPECT_EQ(missing.File().filename(), "credits.txt");
    EXPECT_NE(std::string(missing.what()).find("credits.txt"), std::string::npos);
  }
}

TEST_F(LanguageTextsTests, AWrongLanguageNameIsFatal) {
  WriteAllStartupFiles();
  WriteLines(folder / "lang/lang.txt", {"xyz"});
  EXPECT_THROW(texts.LoadStartupTexts(), LanguageFileMissing);
  std::filesystem::remove(folder / "lang/lang.txt");
  EXPECT_THROW(texts.LoadLanguageName(), LanguageFileMissing);
}

TEST_F(LanguageTextsTests, AllStartupFilesPresentLoadsWithoutAnyMessage) {
  WriteAllStartupFiles();
  texts.LoadStartupTexts();
  EXPECT_EQ(texts.MenuText(0), "first line of menu.txt");
  EXPECT_EQ(texts.GetDefaultWordList(), "first line of defaultlist.txt");
  EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(LanguageTextsTests, AMissingDefaultListIsToldWhenFirstNeededAndReadAgainThen) {
  texts.LoadDefaultList();
  EXPECT_EQ(texts.GetDefaultWordList(), "");
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Text, "Internal Error. Default list for eng could not be loaded.");
  EXPECT_EQ(platform.Messages[0].Title, "Tavlo");

  WriteLanguageFile("defaultlist.txt", {"Everyday words", "ignored"});
  EXPECT_EQ(texts.GetDefaultWordList(), "Everyday words");
  EXPECT_EQ(platform.Messages.size(), 1u);
}

TEST_F(LanguageTextsTests, FileNamesMatchWithoutRegardToCase) {
  WriteLanguageFile("MENU.TXT", {"Tavlo"});
  texts.LoadMenuTexts();
  EXPECT_EQ(texts.MenuText(0), "Tavlo");
}

}  // namespace
}  // namespace tavlo
