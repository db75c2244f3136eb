#include <gtest/gtest.h>

#include "app/Program.h"
#include "app/Startup.h"
#include "support/FakePlatform.h"
#include "support/ProgramTest.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::ReadLines;

// Start-up to quit on the fake platform, with the real program folder.
class StartupTests : public testing::ProgramFolderTest {
 protected:
  StartupTests() {
    // The first start fills the new data folder from here.
    std::filesystem::remove_all(program / "data/profiles");
  }
};

TEST_F(StartupTests, AFirstStartInAWindowCreatesTheDataAndQuitsOnEscapeSavingTheProfile) {
  // Enter skips the title, which ends on the timer's first tick; then Escape quits.
  platform.PushKey(13);
  platform.PushPause(2000);
  platform.PushKey(27);
  EXPECT_EQ(RunProgram(platform, "window"), 0);

  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Title, "Data");
  EXPECT_FALSE(platform.FullScreen);
  EXPECT_EQ(std::filesystem::current_path(), start_folder);
  EXPECT_EQ(ReadLines(DataFolder() / "profile.txt"), std::vector<std::string>{"Tavlo"});
  EXPECT_EQ(ReadLines(DataFolder() / "profiles/Tavlo").size(), 141u);
  EXPECT_FALSE(platform.WindowOpen);
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(StartupTests, ASecondInstanceEndsWithoutWindowOrMessage) {
  platform.AnotherInstanceRunning = true;
  EXPECT_EQ(RunProgram(platform, "window"), 0);
  EXPECT_EQ(platform.WindowsOpened, 0);
  EXPECT_TRUE(platform.Messages.empty());
  EXPECT_EQ(platform.Presents, 0);
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(StartupTests, AWindowThatCannotOpenEndsTheProgramWithAFailureAndTouchesNoData) {
  platform.WindowCannotOpen = true;
  EXPECT_EQ(RunProgram(platform, "window"), 1);
  EXPECT_FALSE(std::filesystem::exists(DataFolder()));
  EXPECT_EQ(platform.Presents, 0);
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(StartupTests, ADataFolderInUseByAnotherInstanceIsLeftAloneWithAMessage) {
  platform.PushKey(13);
  platform.PushPause(2000);
  platform.PushKey(27);
  RunProgram(platform, "window");
  // A file that a run of its own would replace.
  auto saved = ReadLines(DataFolder() / "profiles/Tavlo");
  saved.resize(20);
  testing::WriteLines(DataFolder() / "profiles/Tavlo", saved);
  platform.Messages.clear();

  platform.DataFolderInUse = true;
  platform.PushKey(27);
  EXPECT_EQ(RunProgram(platform, "window"), 1);
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_NE(platform.Messages[0].Text.find("already open"), std::string::npos);
  EXPECT_EQ(ReadLines(DataFolder() / "profiles/Tavlo"), saved);
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(StartupTests, AMissingLanguageFileEndsTheProgramNamingTheFile) {
  std::filesystem::remove(program / "lang/eng/options.txt");
  RunProgram(platform, "window");
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Icon, MessageIcon::Critical);
  EXPECT_NE(platform.Messages[0].Text.find("options.txt"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(DataFolder()));
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(StartupTests, DecliningTheDataFolderEndsTheProgramWithTheDataPathMessage) {
  platform.ScriptedAnswers.push_back(MessageAnswer::No);
  RunProgram(platform, "window");
  ASSERT_EQ(platform.Messages.size(), 2u);
  EXPECT_EQ(platform.Messages[1].Title, "Error");
  EXPECT_EQ(platform.Messages[1].Icon, MessageIcon::Critical);
  EXPECT_EQ(platform.Messages[1].Text,
            "Data path not found(" + DataFolder().string() +
                "/) or could not be created. Please check paths.txt(located in the program "
                "folder) and folder permissions.");
  EXPECT_FALSE(std::filesystem::exists(DataFolder()));
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(StartupTests, ClosingTheWindowQuitsInOrderToo) {
  platform.PushEvent(InputEvent{EventType::CloseRequested});
  RunProgram(platform, "window");
  EXPECT_EQ(ReadLines(DataFolder() / "profiles/Tavlo").size(), 141u);
  EXPECT_EQ(platform.EndlessWaits, 0);
}

// The main menu driven directly, to look at the state start-up leaves.
class MainMenuStartupTests : public testing::ProgramTest {};

TEST_F(MainMenuStartupTests, OnlyTheExactWordWindowAvoidsFullScreen) {
  for (const std::string command_line : {"WINDOW", "window ", "", "fullscreen"}) {
    platform.FullScreen = false;
    InitialiseProgram(app, state, command_line, screens.Desktop());
    EXPECT_TRUE(state.gFullScreen) << "[" << command_line << "]";
    EXPECT_TRUE(platform.FullScreen) << "[" << command_line << "]";
    EXPECT_EQ(std::filesystem::current_path(), program.Path());
    std::filesystem::current_path(start_folder);
  }
}

TEST_F(MainMenuStartupTests, StartUpReadsTheProfileAndTheTextScale) {
  platform.TextHeight = 20;
  std::filesystem::create_directories(DataFolder() / "profiles");
  testing::WriteLines(DataFolder() / "profile.txt", {"Anna"});
  EXPECT_EQ(InitialiseProgram(app, state, "window", screens.Desktop()), StartUp::MenuReady);
  EXPECT_TRUE(platform.Messages.empty());
  EXPECT_DOUBLE_EQ(state.gTextScale, 0.8);
  EXPECT_EQ(state.gMenuScanIndex, -1);
  // Anna has no option file yet: the first menu text's profile takes over.
  EXPECT_EQ(state.Profiles.gProfileName, "Tavlo");
  EXPECT_EQ(state.gDataPath, DataFolder().string() + "/");
}

TEST_F(MainMenuStartupTests, StartUpRemovesOnlyWhatInterruptedSavesLeftBehind) {
  const std::vector<std::string> unfinished = {".saving-Ab12Cd", "profiles/.saving-Xy34Zw"};
  const std::vector<std::string> kept = {"profiles/.Tavlo.damaged-20240101-120000",
                                         "profiles/saving-Anna", "images/.saving-a1b2c3"};
  for (const auto& file : unfinished) testing::WriteFile(DataFolder() / file, "half");
  for (const auto& file : kept) testing::WriteFile(DataFolder() / file, "whole");
  EXPECT_EQ(InitialiseProgram(app, state, "window", screens.Desktop()), StartUp::MenuReady);
  for (const auto& file : unfinished) EXPECT_FALSE(std::filesystem::exists(DataFolder() / file));
  for (const auto& file : kept) EXPECT_TRUE(std::filesystem::exists(DataFolder() / file));
}

TEST_F(MainMenuStartupTests, QuittingSavesTheCountsOfThisRun) {
  StartProgram({}, Title::Running);
  EXPECT_EQ(state.gGameName, "Tavlo");
  state.Profiles.Games[0].CorrectCount = 7;
  state.Profiles.Games[0].WrongCount = 2;
  platform.PushKey(13);
  platform.PushPause(2000);
  platform.PushKey(27);
  app.Run();
  const auto lines = ReadLines(DataFolder() / "profiles/Tavlo");
  ASSERT_EQ(lines.size(), 141u);
  EXPECT_EQ(lines[6], "7");
  EXPECT_EQ(lines[7], "2");
}

TEST_F(MainMenuStartupTests, TheMenuShowsItsTitle) {
  StartProgram({}, Title::Running);
  const Surface& picture = platform.LastPicture;
  ASSERT_FALSE(picture.Empty());
  int blue = 0;
  // The heading rides on the title cloud, which starts at the top.
  for (int y = 30; y < 120; ++y) {
    for (int x = 300; x < 500; ++x) {
      const Color pixel = picture.GetPixel(x, y);
      if (BlueOf(pixel) > 200 && RedOf(pixel) < 80 && GreenOf(pixel) < 80) ++blue;
    }
  }
  EXPECT_GT(blue, 50);
  EXPECT_EQ(platform.Cursor, CursorShape::Arrow);
}

}  // namespace
}  // namespace tavlo
