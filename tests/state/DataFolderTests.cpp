#include <gtest/gtest.h>

#include "state/DataFolder.h"
#include "state/LanguageTexts.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::TempFolder;
using testing::WriteFile;
using testing::WriteLines;

class DataFolderTests : public ::testing::Test {
 protected:
  DataFolderTests() : texts(platform, program / "") {
    platform.ProgramFolderPath = program.Path();
    platform.DocumentsFolderPath = documents.Path();
    WriteLines(program / "lang/eng/information.txt",
               {"0", "1", "2", "3", "4", "5", "6", "7", "8", "Create the data folder?"});
    texts.gLanguage = "eng";
    texts.LoadInformationTexts();
    WriteFile(program / "data/profiles/Tavlo", "defaults\r\n");
    WriteFile(program / "data/db/eng.sqlite", "database");
    WriteFile(program / "data/readme.txt", "a loose file");
  }

  bool Init() { return InitDataFolder(platform, texts, data_path); }

  TempFolder program;
  TempFolder documents;
  testing::FakePlatform platform;
  LanguageTexts texts;
  std::string data_path;
};

TEST_F(DataFolderTests, UserKeywordPutsTheFolderUnderTheDocumentsFolder) {
  std::filesystem::create_directories(documents / "Company/Tavlo");
  WriteLines(program / "paths.txt", {"USER", "Company\\Tavlo", "ignored"});
  EXPECT_TRUE(Init());
  EXPECT_EQ(data_path, documents.Path().string() + "/Company/Tavlo/");
  EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(DataFolderTests, AFolderPathGetsOneTrailingSeparator) {
  std::filesystem::create_directories(documents / "data");
  WriteLines(program / "paths.txt", {(documents / "data").string()});
  EXPECT_TRUE(Init());
  EXPECT_EQ(data_path, (documents / "data").string() + "/");

  WriteLines(program / "paths.txt", {(documents / "data").string() + "/"});
  EXPECT_TRUE(Init());
  EXPECT_EQ(data_path, (documents / "data").string() + "/");
}

TEST_F(DataFolderTests, TheKeywordIsCaseSensitive) {
  std::filesystem::create_directories(program / "user");
  WriteLines(program / "paths.txt", {"user", "Tavlo"});
  EXPECT_TRUE(Init());
  EXPECT_EQ(data_path, (program / "user").string() + "/");
}

TEST_F(DataFolderTests, ARelativeFolderBelongsToTheProgramFolderWhereverItWasStarted) {
  std::filesystem::create_directories(program / "mydata");
  WriteLines(program / "paths.txt", {"mydata"});
  EXPECT_TRUE(Init());
  EXPECT_EQ(data_path, (program / "mydata").string() + "/");
}

TEST_F(DataFolderTests, AMissingFolderIsCreatedOnceWithTheDefaultDataFolders) {
  WriteLines(program / "paths.txt", {"USER", "Tavlo"});
  ASSERT_TRUE(Init());
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Title, "Data");
  EXPECT_EQ(platform.Messages[0].Text, "Create the data folder?");
  EXPECT_EQ(platform.Messages[0].Buttons, MessageButtons::YesNo);
  EXPECT_EQ(testing::ReadFile(documents / "Tavlo/profiles/Tavlo"), "defaults\r\n");
  EXPECT_EQ(testing::ReadFile(documents / "Tavlo/db/eng.sqlite"), "database");
  EXPECT_FALSE(std::filesystem::exists(documents / "Tavlo/readme.txt"));

  EXPECT_TRUE(Init());
  EXPECT_EQ(platform.Messages.size(), 1u);
}

TEST_F(DataFolderTests, ACopyThatFailsHalfWayLeavesNoDataFolderAndTheNextStartAsksAgain) {
  WriteLines(program / "paths.txt", {"USER", "Tavlo"});
  // A default file that cannot be copied, after the first ones were.
  std::filesystem::create_symlink(program / "nowhere", program / "data/profiles/Broken");
  EXPECT_FALSE(Init());
  EXPECT_TRUE(std::filesystem::is_empty(documents.Path()));
  std::filesystem::remove(program / "data/profiles/Broken");
  EXPECT_TRUE(Init());
  EXPECT_EQ(platform.Messages.size(), 2u);
  EXPECT_EQ(testing::ReadFile(documents / "Tavlo/db/eng.sqlite"), "database");
}

TEST_F(DataFolderTests, AFolderFromBeforeALanguageWasInstalledGetsItsDataAndKeepsItsOwn) {
  WriteLines(program / "paths.txt", {"USER", "Tavlo"});
  ASSERT_TRUE(Init());
  WriteFile(documents / "Tavlo/profiles/Tavlo", "the child's own options\r\n");
  WriteFile(program / "data/db/den.sqlite", "Danish lists");
  WriteFile(program / "data/speech/den/hund.wav", "vov");
  texts.gLanguage = "den";

  ASSERT_TRUE(Init());
  EXPECT_EQ(platform.Messages.size(), 1u) << "the folder exists: no question";
  EXPECT_EQ(testing::ReadFile(documents / "Tavlo/db/den.sqlite"), "Danish lists");
  EXPECT_EQ(testing::ReadFile(documents / "Tavlo/speech/den/hund.wav"), "vov");
  EXPECT_EQ(testing::ReadFile(documents / "Tavlo/profiles/Tavlo"), "the child's own options\r\n");
  EXPECT_FALSE(std::filesystem::exists(documents / "Tavlo/db/den.sqlite.partial"));

  // Once the lists are there, the folder is the user's: nothing is copied again.
  std::filesystem::remove(documents / "Tavlo/speech/den/hund.wav");
  ASSERT_TRUE(Init());
  EXPECT_FALSE(std::filesystem::exists(documents / "Tavlo/speech/den/hund.wav"));
}

TEST_F(DataFolderTests, AMissingParentFailsAfterTheQuestion) {
  WriteLines(program / "paths.txt", {"USER", "Company/Tavlo"});
  EXPECT_FALSE(Init());
  EXPECT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(data_path, documents.Path().string() + "/Company/Tavlo/");
  EXPECT_FALSE(std::filesystem::exists(documents / "Company"));
}

TEST_F(DataFolderTests, AnsweringNoCreatesNothing) {
  WriteLines(program / "paths.txt", {"USER", "Tavlo"});
  platform.ScriptedAnswers.push_back(MessageAnswer::No);
  EXPECT_FALSE(Init());
  EXPECT_FALSE(std::filesystem::exists(documents / "Tavlo"));
}

TEST_F(DataFolderTests, AMissingOrEmptyPathsFileFailsWithAnEmptyPath) {
  EXPECT_FALSE(Init());
  EXPECT_EQ(data_path, "");
  WriteFile(program / "paths.txt", "");
  EXPECT_FALSE(Init());
  WriteLines(program / "paths.txt", {"USER"});
  EXPECT_FALSE(Init());
  EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(DataFolderTests, TheFailureTextNamesThePathInTheLanguageThatWordsIt) {
  WriteLines(program / "lang/eng/information.txt",
             {"0", "1", "2", "3", "4", "5", "6", "7", "Datamappen %1 mangler."});
  texts.LoadInformationTexts();
  EXPECT_EQ(DataPathErrorText(texts, "/home/a/Tavlo/"), "Datamappen /home/a/Tavlo/ mangler.");
  // A language without its own wording gets the fixed text.
  WriteLines(program / "lang/eng/information.txt", {"0", "1", "2", "3", "4", "5", "6", "7", ""});
  texts.LoadInformationTexts();
  EXPECT_EQ(DataPathErrorText(texts, "/home/a/Tavlo/"),
            "Data path not found(/home/a/Tavlo/) or could not be created. Please check "
            "paths.txt(located in the program folder) and folder permissions.");
  WriteLines(program / "lang/eng/information.txt", {"0"});
  texts.LoadInformationTexts();
  EXPECT_EQ(DataPathErrorText(texts, "/x/"),
            "Data path not found(/x/) or could not be created. Please check "
            "paths.txt(located in the program folder) and folder permissions.");
}

TEST_F(DataFolderTests, DocumentsFolderHasNoTrailingSeparator) {
  platform.DocumentsFolderPath = documents.Path() / "";
  EXPECT_EQ(GetDocumentsFolder(platform), documents.Path().string());
  platform.DocumentsFolderPath.clear();
  EXPECT_EQ(GetDocumentsFolder(platform), "");
}

}  // namespace
}  // namespace tavlo
