#include <gtest/gtest.h>

#include <sstream>

#include "StatsTool.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::ReadLines;
using testing::WriteLines;

// An option file whose game n has n right and 2n wrong answers, plus extra
// right answers for game 1.
std::vector<std::string> OptionFile(int extra) {
  std::vector<std::string> lines = {"0", "1", "1", "1", "1"};
  for (int game = 1; game <= 15; ++game) {
    lines.insert(lines.end(), {"1", std::to_string(game + (game == 1 ? extra : 0)),
                               std::to_string(2 * game)});
  }
  for (int game = 1; game <= 15; ++game) {
    lines.insert(lines.end(), {"Everyday words", "1", "3", "1", "Arial", "12"});
  }
  lines.push_back("75");
  return lines;
}

class StatsToolTests : public ::testing::Test {
 protected:
  StatsToolTests() {
    WriteLines(folder / "program/lang/lang.txt", {"eng"});
    std::vector<std::string> names;
    for (int game = 1; game <= 15; ++game) names.push_back("Game, number " + std::to_string(game));
    WriteLines(folder / "program/lang/eng/games.txt", names);
    WriteLines(folder / "program/data/profiles/Anna", OptionFile(40));
    WriteLines(folder / "program/data/profiles/Bo \"B\"", OptionFile(0));
    WriteLines(folder / "program/data/profiles/.Anna.damaged-20260101-000000", {"x"});
  }

  int Run(const std::vector<std::string>& arguments) {
    out.str("");
    err.str("");
    return stats::RunStatsTool(arguments, out, err);
  }

  testing::TempFolder folder;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(StatsToolTests, EveryProfileAndGameIsOneRowWithTheGamesName) {
  const auto data = (folder / "program/data").string();
  ASSERT_EQ(Run({data}), 0) << err.str();
  std::istringstream table(out.str());
  std::vector<std::string> rows;
  for (std::string row; std::getline(table, row);) rows.push_back(row);
  ASSERT_EQ(rows.size(), 1u + 2u * 15u);
  EXPECT_EQ(rows[0], "profile,game,game name,right,wrong");
  EXPECT_EQ(rows[1], "Anna,1,\"Game, number 1\",41,2");
  EXPECT_EQ(rows[15], "Anna,15,\"Game, number 15\",15,30");
  EXPECT_EQ(rows[16], "\"Bo \"\"B\"\"\",1,\"Game, number 1\",1,2");

  // The same table into a file; a damaged profile is named and left out.
  WriteLines(folder / "program/data/profiles/Cy", {"1", "2"});
  const auto file = folder / "answers.csv";
  EXPECT_EQ(Run({"--output", file.string(), data}), 1);
  EXPECT_NE(err.str().find("Cy"), std::string::npos);
  EXPECT_EQ(ReadLines(file).size(), rows.size());
  EXPECT_EQ(ReadLines(folder / "program/data/profiles/Cy").size(), 2u) << "nothing is changed";
}

TEST_F(StatsToolTests, TheCommandLineIsCheckedAndHelpIsGiven) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out.str().find("Usage: tavlo-stats"), std::string::npos);
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"--colour", "red", "x"}), 2);
  EXPECT_EQ(Run({(folder / "nowhere").string()}), 1);
  // Without game names the game ids stand in.
  EXPECT_EQ(Run({"--program-folder", (folder / "nowhere").string(),
                 (folder / "program/data").string()}),
            0);
  EXPECT_NE(out.str().find("Anna,3,Game03,3,6"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace tavlo
