#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::ReadLines;
using testing::TempFolder;
using testing::WriteFile;
using testing::WriteLines;

class ProfileStoreTests : public ::testing::Test {
 protected:
  ProfileStoreTests() : texts(platform, program.Path()), store(platform, texts, data_path) {
    WriteLines(program / "lang/eng/menu.txt", {"Tavlo"});
    WriteLines(program / "lang/eng/defaultlist.txt", {"Everyday words"});
    texts.gLanguage = "eng";
    texts.LoadMenuTexts();
    texts.LoadDefaultList();
    data_path = data.Path().string() + "/";
    std::filesystem::create_directories(data / "profiles");
  }

  std::filesystem::path OptionFile(const std::string& name) { return data / ("profiles/" + name); }

  // An option file of the current layout with some values that differ from the defaults.
  std::vector<std::string> SampleOptionFile() {
    std::vector<std::string> lines = {"1", "3", "0", "0", "1"};
    for (int game = 1; game <= 15; ++game) {
      lines.push_back(game == 2 ? "0" : "1");
      lines.push_back(std::to_string(game * 10));
      lines.push_back(std::to_string(game));
    }
    for (int game = 1; game <= 15; ++game) {
      lines.insert(lines.end(), {"List " + std::to_string(game), "0", "5", "0", "Verdana", "20"});
    }
    lines.push_back("50");
    return lines;
  }

  TempFolder program;
  TempFolder data;
  std::string data_path;
  testing::FakePlatform platform;
  LanguageTexts texts;
  ProfileStore store;
};

TEST_F(ProfileStoreTests, AFreshDataFolderStartsWithDefaultsAndWritesThemOnce) {
  EXPECT_EQ(store.ReadCurrentProfile(), "Tavlo");
  EXPECT_EQ(ReadLines(data / "profile.txt"), std::vector<std::string>{"Tavlo"});
  store.LoadProfileOptions();
  EXPECT_EQ(store.gProfileName, "Tavlo");
  EXPECT_EQ(store.GetWordList("Game07"), "Everyday words");
  const auto lines = ReadLines(OptionFile("Tavlo"));
  ASSERT_EQ(lines.size(), 141u);
  EXPECT_EQ(lines[0], "0");
  EXPECT_EQ(lines[1], "1");
  EXPECT_EQ(lines[50], "Everyday words");
  EXPECT_EQ(lines[140], "75");
}

TEST_F(ProfileStoreTests, SaveThenLoadKeepsEveryValue) {
  WriteLines(OptionFile("Anna"), SampleOptionFile());
  store.WriteCurrentProfile("Anna");
  store.LoadProfileOptions();
  EXPECT_TRUE(store.OneKeyMode);
  EXPECT_EQ(store.OneKeyInterval, 3);
  EXPECT_FALSE(store.SoundEffects);
  EXPECT_FALSE(store.MenuMusic);
  EXPECT_TRUE(store.RewardSounds);
  EXPECT_FALSE(store.Games[1].ShowInMenu);
  EXPECT_EQ(store.Games[14].CorrectCount, 150);
  EXPECT_EQ(store.Games[14].WrongCount, 15);
  EXPECT_EQ(store.GetWordList("Game03"), "List 3");
  EXPECT_EQ(store.GetFontName("Game03"), "Verdana");
  EXPECT_EQ(store.GetFontSize("Game03"), 20);
  EXPECT_EQ(store.GetRewardFrequency("Game15"), 5);
  EXPECT_EQ(store.GetGame15Setting(), 50);

  ASSERT_TRUE(store.SaveProfileOptions());
  EXPECT_EQ(ReadLines(OptionFile("Anna")), SampleOptionFile());
}

TEST_F(ProfileStoreTests, CountersKeepLargeValues) {
  store.WriteCurrentProfile("Anna");
  store.ResetProfileOptions();
  store.Games[0].CorrectCount = 40000;
  store.Games[0].WrongCount = 2'000'000'000;
  ASSERT_TRUE(store.SaveProfileOptions());
  store.Games[0] = GameEntry{};
  store.LoadProfileOptions();
  EXPECT_EQ(store.Games[0].CorrectCount, 40000);
  EXPECT_EQ(store.Games[0].WrongCount, 2'000'000'000);
}

TEST_F(ProfileStoreTests, BooleansAreTrueWhenNotZeroAndNumbersMayHaveBlanks) {
  auto lines = SampleOptionFile();
  lines[0] = "-1";
  lines[1] = " 2 ";
  lines[2] = "0";
  WriteLines(OptionFile("Anna"), lines);
  store.WriteCurrentProfile("Anna");
  store.LoadProfileOptions();
  EXPECT_TRUE(store.OneKeyMode);
  EXPECT_EQ(store.OneKeyInterval, 2);
  EXPECT_FALSE(store.SoundEffects);
  EXPECT_EQ(store.gProfileName, "Anna");
}

TEST_F(ProfileStoreTests, NamesWithCommasQuotesAndBlanksSurvive) {
  store.WriteCurrentProfile("Anna, Bo");
  store.ResetProfileOptions();
  store.SetWordList("Game01", "Anna's words, part 2");
  store.SetFontName("Game01", " Odd \"font\" ");
  ASSERT_TRUE(store.SaveProfileOptions());

  ProfileStore reloaded(platform, texts, data_path);
  EXPECT_EQ(reloaded.ReadCurrentProfile(), "Anna, Bo");
  reloaded.LoadProfileOptions();
  EXPECT_EQ(reloaded.gProfileName, "Anna, Bo");
  EXPECT_EQ(reloaded.GetWordList("Game01"), "Anna's words, part 2");
  EXPECT_EQ(reloaded.GetFontName("Game01"), " Odd \"font\" ");
}

TEST_F(ProfileStoreTests, AShortFileFallsBackToDefaultsUnderTheFirstMenuText) {
  auto lines = SampleOptionFile();
  lines.resize(20);
  WriteLines(OptionFile("Anna"), lines);
  store.WriteCurrentProfile("Anna");
  store.LoadProfileOptions();
  EXPECT_EQ(store.gProfileName, "Tavlo");
  EXPECT_EQ(ReadLines(data / "profile.txt"), std::vector<std::string>{"Tavlo"});
  EXPECT_FALSE(store.OneKeyMode);
  EXPECT_EQ(store.Games[0].CorrectCount, 0);
  // The damaged file is left for someone to look at.
  EXPECT_EQ(ReadLines(OptionFile("Anna")).size(), 20u);
}

TEST_F(ProfileStoreTests, AValueThatIsNotANumberFallsBack) {
  auto lines = SampleOptionFile();
  lines[7] = "many";
  WriteLines(OptionFile("Anna"), lines);
  store.WriteCurrentProfile("Anna");
  store.LoadProfileOptions();
  EXPECT_EQ(store.gProfileName, "Tavlo");
  EXPECT_EQ(store.Games[0].CorrectCount, 0);

  lines = SampleOptionFile();
  lines[1] = "99999";  // past a 16-bit interval
  WriteLines(OptionFile("Bo"), lines);
  store.WriteCurrentProfile("Bo");
  store.LoadProfileOptions();
  EXPECT_EQ(store.gProfileName, "Tavlo");
}

TEST_F(ProfileStoreTests, TheFallbackNeverReplacesTheFirstMenuTextsReadableFile) {
  WriteLines(OptionFile("Tavlo"), SampleOptionFile());
  store.WriteCurrentProfile("Gone");
  store.LoadProfileOptions();
  EXPECT_EQ(store.gProfileName, "Tavlo");
  EXPECT_EQ(ReadLines(OptionFile("Tavlo")), SampleOptionFile());
  // Its own settings and counts are what the program now runs with.
  EXPECT_TRUE(store.OneKeyMode);
  EXPECT_EQ(store.Games[14].CorrectCount, 150);
}

TEST_F(ProfileStoreTests, ADeletedOptionFileFallsBackOnTheNextLoad) {
  store.WriteCurrentProfile("Anna");
  store.ResetProfileOptions();
  ASSERT_TRUE(store.SaveProfileOptions());
  std::filesystem::remove(OptionFile("Anna"));
  store.LoadProfileOptions();
  EXPECT_EQ(store.gProfileName, "Tavlo");
  EXPECT_TRUE(std::filesystem::exists(OptionFile("Tavlo")));
}

TEST_F(ProfileStoreTests, ProfileNamesThatCouldLeaveTheProfilesFolderOrHideInItAreRefused) {
  store.WriteCurrentProfile("Anna");
  const std::vector<std::string> refused = {
      "",          ".",           "..",      "../evil",       "a/b", "a\\b", std::string("a\0b", 3),
      "tab\there", "line\nbreak", ".hidden", ".saving-Ab12Cd"};
  for (const std::string& name : refused) {
    EXPECT_FALSE(store.WriteCurrentProfile(name)) << "[" << name << "]";
    EXPECT_EQ(store.gProfileName, "Anna");
  }
  EXPECT_EQ(ReadLines(data / "profile.txt"), std::vector<std::string>{"Anna"});
}

TEST_F(ProfileStoreTests, AProfileTxtNamingNoUsableProfileFallsBack) {
  WriteLines(data / "profile.txt", {"../../etc/passwd"});
  EXPECT_EQ(store.ReadCurrentProfile(), "Tavlo");
  WriteFile(data / "profile.txt", "");
  EXPECT_EQ(store.ReadCurrentProfile(), "Tavlo");
  WriteLines(data / "profile.txt", {"Bo", "ignored"});
  EXPECT_EQ(store.ReadCurrentProfile(), "Bo");
}

TEST_F(ProfileStoreTests, SavingRemakesAMissingProfilesFolder) {
  std::filesystem::remove_all(data / "profiles");
  store.WriteCurrentProfile("Anna");
  store.ResetProfileOptions();
  EXPECT_TRUE(store.SaveProfileOptions());
  EXPECT_EQ(ReadLines(OptionFile("Anna")).size(), 141u);
}

TEST_F(ProfileStoreTests, DefaultsPerGame) {
  store.ResetProfileOptions();
  EXPECT_EQ(store.GetFontSize("Game15"), 25);
  EXPECT_EQ(store.GetFontSize("Game02"), 12);
  EXPECT_EQ(store.GetFontSize("Game01"), 17);
  EXPECT_EQ(store.GetFontName("Game09"), "Arial");
  EXPECT_EQ(store.GetReward("Game05"), 1);
  EXPECT_EQ(store.GetRewardFrequency("Game05"), 3);
  EXPECT_EQ(store.GetRandomWord("Game05"), 1);
  EXPECT_EQ(store.GetGame15Setting(), 75);
  EXPECT_TRUE(store.Games[3].ShowInMenu);
}

TEST_F(ProfileStoreTests, WithoutADefaultListTheUserIsToldOnceAndListsStayEmpty) {
  std::filesystem::remove(program / "lang/eng/defaultlist.txt");
  LanguageTexts no_default(platform, program.Path());
  no_default.gLanguage = "eng";
  ProfileStore bare(platform, no_default, data_path);
  bare.ResetProfileOptions();
  EXPECT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(bare.GetWordList("Game01"), "");
  EXPECT_EQ(bare.GetWordList("Game15"), "");
}

TEST_F(ProfileStoreTests, AccessorsIgnoreIdsOutsideTheFifteenGames) {
  store.ResetProfileOptions();
  for (const std::string id : {"Game00", "Game16", "Game", "", "Gamexx"}) {
    store.SetFontSize(id, 30);
    store.SetWordList(id, "x");
    EXPECT_EQ(store.GetFontSize(id), 0) << id;
    EXPECT_EQ(store.GetWordList(id), "") << id;
  }
  EXPECT_EQ(GameIndexOf("Game01"), 0);
  EXPECT_EQ(GameIndexOf("Game15"), 14);
}

TEST_F(ProfileStoreTests, NumericOptionsAreReadWithinTheRangeTheirScreenCanUse) {
  struct Case {
    size_t Line;
    std::string Stored;
    std::function<int()> Read;
    int Expected;
  };
  const std::vector<Case> cases = {
      {50 + 5, "16.5", [&] { return store.GetFontSize("Game01"); }, 16},  // rounded
      {50 + 5, "32767", [&] { return store.GetFontSize("Game01"); }, 32},
      {50 + 5, "-4", [&] { return store.GetFontSize("Game01"); }, 6},
      {50 + 2, "often", [&] { return store.GetRewardFrequency("Game01"); }, 1},
      {50 + 2, "99", [&] { return store.GetRewardFrequency("Game01"); }, 10},
      {140, "7", [&] { return store.GetGame15Setting(); }, 50},
      {140, "1000", [&] { return store.GetGame15Setting(); }, 100},
      {1, "0", [&] { return store.OneKeyInterval; }, 1},
  };
  for (const Case& c : cases) {
    auto lines = SampleOptionFile();
    lines[c.Line] = c.Stored;
    WriteLines(OptionFile("Anna"), lines);
    store.WriteCurrentProfile("Anna");
    store.LoadProfileOptions();
    ASSERT_EQ(store.gProfileName, "Anna");
    EXPECT_EQ(c.Read(), c.Expected) << "line " << c.Line + 1 << " = " << c.Stored;
  }
}

TEST_F(ProfileStoreTests, CountsStopAtTheirMostAndACountOutOfRangeReadsAsZeroForItsGameOnly) {
  GameEntry entry;
  entry.CorrectCount = GameEntry::kMostAnswers;
  entry.AddCorrect();
  entry.AddWrong();
  EXPECT_EQ(entry.CorrectCount, GameEntry::kMostAnswers);
  EXPECT_EQ(entry.WrongCount, 1);

  auto lines = SampleOptionFile();
  lines[5 + 1] = "-3";               // game 1's right answers
  lines[5 + 3 + 2] = "99999999999";  // game 2's wrong answers
  WriteLines(OptionFile("Anna"), lines);
  store.WriteCurrentProfile("Anna");
  store.LoadProfileOptions();
  ASSERT_EQ(store.gProfileName, "Anna");
  EXPECT_EQ(store.Games[0].CorrectCount, 0);
  EXPECT_EQ(store.Games[0].WrongCount, 1);
  EXPECT_EQ(store.Games[1].WrongCount, 0);
  EXPECT_EQ(store.Games[1].CorrectCount, 20);
}

TEST_F(ProfileStoreTests, TheFallbackNameIsAlwaysAUsableFileName) {
  for (const std::string& menu_text :
       {std::string("Tav/lo"), std::string("\x01\x02"), std::string(".."), std::string(300, 'x')}) {
    WriteLines(program / "lang/eng/menu.txt", {menu_text});
    texts.LoadMenuTexts();
    WriteLines(data / "profile.txt", {"../gone"});
    store.ReadCurrentProfile();
    store.LoadProfileOptions();
    EXPECT_TRUE(ProfileStore::IsValidProfileName(store.gProfileName)) << store.gProfileName;
    EXPECT_TRUE(store.SaveProfileOptions()) << store.gProfileName;
  }
}

TEST_F(ProfileStoreTests, ADamagedFallbackFileIsCopiedBeforeItIsReplacedAndTheUserIsTold) {
  auto lines = SampleOptionFile();
  lines.resize(20);
  WriteLines(OptionFile("Tavlo"), lines);
  // Copies of earlier starts, the oldest first.
  for (const char* date : {"20240101-000000", "20250101-000000", "20260101-000000"}) {
    WriteLines(data / ("profiles/.Tavlo.damaged-" + std::string(date)), {"old"});
  }
  store.WriteCurrentProfile("Tavlo");
  store.LoadProfileOptions();
  ASSERT_EQ(platform.Messages.size(), 1u);
  ASSERT_TRUE(store.SaveProfileOptions());

  std::vector<std::string> copies;
  for (const auto& entry : std::filesystem::directory_iterator(data / "profiles")) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(".Tavlo.damaged-")) copies.push_back(name);
  }
  std::sort(copies.begin(), copies.end());
  ASSERT_EQ(copies.size(), static_cast<size_t>(ProfileStore::kMostDamagedCopies));
  EXPECT_EQ(copies.front(), ".Tavlo.damaged-20250101-000000");
  EXPECT_EQ(ReadLines(data / "profiles" / copies.back()), lines);
  EXPECT_NE(platform.Messages[0].Text.find(copies.back()), std::string::npos);
  EXPECT_EQ(ReadLines(OptionFile("Tavlo")).size(), 141u);
}

TEST_F(ProfileStoreTests, AFailedSaveIsToldOnceAndTheNameOfAnyLengthIsSaved) {
  store.WriteCurrentProfile(std::string(255, 'n'));
  store.ResetProfileOptions();
  EXPECT_TRUE(store.SaveProfileOptions());
  std::filesystem::remove_all(data.Path());
  WriteFile(data.Path(), "not a folder");
  EXPECT_FALSE(store.SaveProfileOptions());
  EXPECT_FALSE(store.SaveProfileOptions());
  EXPECT_EQ(platform.Messages.size(), 1u);
}

}  // namespace
}  // namespace tavlo

namespace tavlo {
namespace {

TEST_F(ProfileStoreTests, NamesThatWouldHideOrEscapeAProfileAreRefused) {
  struct Case {
    std::string Name;
    ProfileNameProblem Problem;
  };
  const std::vector<Case> cases = {
      {"Anna", ProfileNameProblem::None},         {" Anna Lee ", ProfileNameProblem::None},
      {"Åse", ProfileNameProblem::None},          {"", ProfileNameProblem::Empty},
      {"   ", ProfileNameProblem::Empty},         {"a/b", ProfileNameProblem::Refused},
      {"a\\b", ProfileNameProblem::Refused},      {".", ProfileNameProblem::Refused},
      {"..", ProfileNameProblem::Refused},        {".hidden", ProfileNameProblem::Refused},
      {"Anna.access", ProfileNameProblem::Refused}, {"tab\there", ProfileNameProblem::Refused},
      {std::string(256, 'n'), ProfileNameProblem::Refused},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(ProfileStore::CheckProfileName(test.Name), test.Problem) << test.Name;
  }
}

TEST_F(ProfileStoreTests, TheListShowsOrdinaryVisibleProfilesOnlyAndRemovingTakesTheAccessFile) {
  for (const char* name : {"bob", "Anna", "Tavlo", ".Tavlo.damaged-20260101-000000",
                           "Anna.access", ".saving-abc123"}) {
    WriteLines(OptionFile(name), {"x"});
  }
  std::filesystem::create_directories(data / "profiles/folder");
  EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"Anna", "bob", "Tavlo"}));

  EXPECT_TRUE(store.ProfileExists("Anna"));
  EXPECT_FALSE(store.ProfileExists("folder"));
  EXPECT_TRUE(store.RemoveProfile("Anna"));
  EXPECT_FALSE(std::filesystem::exists(OptionFile("Anna")));
  EXPECT_FALSE(std::filesystem::exists(OptionFile("Anna.access")));
  EXPECT_FALSE(store.RemoveProfile("Anna"));
  EXPECT_FALSE(store.RemoveProfile("../profile.txt"));
  EXPECT_EQ(store.ListProfiles(), (std::vector<std::string>{"bob", "Tavlo"}));
}

}  // namespace
}  // namespace tavlo
