#include <gtest/gtest.h>

#include "platform/InputEvent.h"
#include "support/ProgramTest.h"

namespace tavlo {
namespace {

constexpr Color kGreen = RGB(0, 255, 0);
constexpr Color kRed = RGB(255, 0, 0);

class MenuStatsFormTests : public testing::ProgramTest {
 protected:
  // Starts the program with the answers given (right, wrong per game
  // number) and opens the statistics over the main menu.
  MenuStatsForm& Open(const std::map<int, std::pair<int, int>>& answers,
                      const std::string& name = "Tavlo") {
    StartProgram([&](ProfileStore& profile) {
      profile.WriteCurrentProfile(name);
      for (const auto& [game, counts] : answers) {
        profile.Games[static_cast<size_t>(game - 1)].CorrectCount = counts.first;
        profile.Games[static_cast<size_t>(game - 1)].WrongCount = counts.second;
      }
    });
    app.Show(stats());
    return stats();
  }
  MenuStatsForm& stats() { return screens.Statistics(); }
  const Surface& Screen() { return stats().Picture(); }

  // The first bar's colour at x = 320 + offset, a few lines into the bar.
  Color BarPixel(int offset) {
    for (int y = 0; y < 600; ++y) {
      const Color middle = Screen().GetPixel(470, y);
      if (middle == kRed || middle == kGreen) return Screen().GetPixel(320 + offset, y + 5);
    }
    return kNoPixel;
  }
};

TEST_F(MenuStatsFormTests, PagesHoldThreeGamesWithAnswersAndTheButtonsStayInside) {
  struct Case {
    int Games;
    int LastPage;
  };
  for (const Case& test : {Case{0, 0}, Case{3, 0}, Case{4, 1}, Case{7, 2}}) {
    SCOPED_TRACE(test.Games);
    std::map<int, std::pair<int, int>> answers;
    for (int game = 1; game <= test.Games; ++game) answers[game * 2 - 1] = {1, 0};
    MenuStatsForm& screen = Open(answers);
    EXPECT_EQ(screen.LastPage(), test.LastPage);
    for (int i = 0; i < 4; ++i) Click(screen.PageDownButton());
    EXPECT_EQ(screen.Page(), test.LastPage);
    Click(screen.PageUpButton());
    EXPECT_EQ(screen.Page(), std::max(test.LastPage - 1, 0));
    for (int i = 0; i < 4; ++i) Click(screen.PageUpButton());
    EXPECT_EQ(screen.Page(), 0);
    Press(keys::kEscape);
    EXPECT_FALSE(screen.IsLoaded());
  }
}

TEST_F(MenuStatsFormTests, TheGreenPartOfTheBarIsTheShareOfRightAnswers) {
  struct Case {
    int Right;
    int Wrong;
    int GreenPixels;
  };
  for (const Case& test : {Case{1, 2, 100}, Case{0, 5, 0}, Case{4, 0, 300}, Case{2, 1, 200}}) {
    SCOPED_TRACE(test.Right);
    Open({{5, {test.Right, test.Wrong}}});
    if (test.GreenPixels > 1) {
      EXPECT_EQ(BarPixel(test.GreenPixels - 1), kGreen);
    }
    if (test.GreenPixels < 299) {
      EXPECT_EQ(BarPixel(test.GreenPixels + 1), kRed);
    }
    Press(keys::kEscape);
  }
}

TEST_F(MenuStatsFormTests, ALongNameShrinksUntilItStartsRightOfTheButtons) {
  const std::string name = "Maximilian Alexander Wolfgang von Hohenberg";
  Open({}, name);
  int leftmost = 800;
  for (int y = 40; y < 110; ++y) {
    for (int x = 0; x < 400; ++x) {
      if (Screen().GetPixel(x, y) == RGB(18, 103, 199)) leftmost = std::min(leftmost, x);
    }
  }
  EXPECT_GT(leftmost, 160);
  EXPECT_LT(leftmost, 260) << "the name should still be large";
}

TEST_F(MenuStatsFormTests, ResetClearsEveryGameOnceTheTeacherSaysYes) {
  MenuStatsForm& screen = Open({{1, {3, 1}}, {9, {0, 4}}});
  platform.ScriptedAnswers = {MessageAnswer::No};
  Click(screen.ResetButton());
  EXPECT_EQ(state.Profiles.Games[0].CorrectCount, 3);
  Click(screen.ResetButton());
  for (const GameEntry& game : state.Profiles.Games) {
    EXPECT_EQ(game.CorrectCount + game.WrongCount, 0);
  }
  EXPECT_EQ(platform.Messages.back().Buttons, MessageButtons::YesNoDefaultNo);
}

TEST_F(MenuStatsFormTests, PrintSendsThePageAloneAndTheRightButtonPrintsBlackBars) {
  MenuStatsForm& screen = Open({{2, {1, 1}}});
  ASSERT_TRUE(ScanAndSelect(screen.PrintButton()));
  ASSERT_EQ(platform.Paper.Pages.size(), 1u);
  const Surface& page = platform.Paper.Pages[0];
  // White paper without the buttons, the bar in its screen colours.
  EXPECT_EQ(page.GetPixel(40, 560), kWhite);
  EXPECT_EQ(page.GetPixel(760, 560), kWhite);
  EXPECT_NE(screen.PrintNotice().find("Office"), std::string::npos);
  Click(screen.PrintButton(), mouse_buttons::kRight);
  ASSERT_EQ(platform.Paper.Pages.size(), 2u);
  int black = 0;
  int green = 0;
  for (int x = 321; x < 620; ++x) {
    for (int y = 150; y < 400; ++y) {
      const Color pixel = platform.Paper.Pages[1].GetPixel(x, y);
      black += pixel == kBlack ? 1 : 0;
      green += pixel == kGreen ? 1 : 0;
    }
  }
  EXPECT_GT(black, 150 * 15);
  EXPECT_EQ(green, 0);
}

TEST_F(MenuStatsFormTests, WithoutAPrinterThePageIsKeptAsAPdfAndTheScreenSaysWhere) {
  platform.Paper.Available = false;
  MenuStatsForm& screen = Open({{2, {1, 1}}}, "Anna");
  Click(screen.PrintButton());
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(DataFolder() / "statistics")) {
    files.push_back(entry.path());
  }
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(files[0].filename().string().starts_with("Anna "));
  EXPECT_EQ(files[0].extension(), ".pdf");
  EXPECT_EQ(testing::ReadLines(files[0]).front().substr(0, 5), "%PDF-");
  EXPECT_NE(screen.PrintNotice().find(files[0].string()), std::string::npos);
}

}  // namespace
}  // namespace tavlo
