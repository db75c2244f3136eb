// The default word lists (content/eng/) and the default data folder
// (resources/data/) as they are committed. `tavlo-wordlist check` on the staged
// data covers the files the rows name; these tests cover what the games play or
// show beyond the rows' own columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "TableText.h"
#include "engine/TextFile.h"
#include "platform/Surface.h"

namespace tavlo::wordlist {
namespace {

const std::filesystem::path kResources = TAVLO_SOURCE_RESOURCES;
const std::filesystem::path kContent = kResources.parent_path() / "content" / "eng";
const std::filesystem::path kSpeech = kResources / "data" / "speech" / "eng";

std::vector<std::string> LanguageLines(const std::string& name) {
  const auto lines = ReadTextLines(kResources / "lang" / "eng" / name);
  EXPECT_TRUE(lines.has_value()) << name;
  std::vector<std::string> kept;
  if (lines) {
    for (const auto& line : *lines) {
      if (!line.empty()) kept.push_back(line);
    }
  }
  return kept;
}

// The rows of one table, each as column name -> value.
std::vector<std::map<std::string, std::string>> Rows(const std::string& table) {
  const TableText text = ReadTableFile(kContent / (table + ".tsv"), TableFormat::Tsv);
  std::vector<std::map<std::string, std::string>> rows;
  for (const auto& row : text.Rows) {
    std::map<std::string, std::string> named;
    for (std::size_t i = 0; i < text.Header.size() && i < row.Fields.size(); ++i) {
      named[text.Header[i]] = row.Fields[i];
    }
    rows.push_back(named);
  }
  return rows;
}

// Rows grouped by list, each list in the order the game receives it (by word).
std::map<std::string, std::vector<std::map<std::string, std::string>>> Lists(const std::string& table) {
  std::map<std::string, std::vector<std::map<std::string, std::string>>> lists;
  for (auto& row : Rows(table)) lists[row["WordList"]].push_back(row);
  for (auto& [name, rows] : lists) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.at("Word") < b.at("Word"); });
  }
  return lists;
}

bool Exists(const std::filesystem::path& file) { return std::filesystem::is_regular_file(file); }

TEST(DefaultContentTests, EveryAnswerButtonAndPraiseIsRecorded) {
  const std::vector<std::string> game01 = LanguageLines("Game01data.txt");
  const std::vector<std::string> game03 = LanguageLines("Game03data.txt");
  const std::vector<std::string> game10 = LanguageLines("Game10data.txt");
  const std::vector<std::string> rewards = LanguageLines("rewards.txt");
  ASSERT_FALSE(game01.empty());
  ASSERT_FALSE(game03.empty());
  ASSERT_FALSE(game10.empty());
  ASSERT_FALSE(rewards.empty());
  for (const auto& label : game01) EXPECT_TRUE(Exists(kSpeech / "game01" / (label + ".wav"))) << label;
  for (const auto& label : game03) {
    EXPECT_TRUE(Exists(kSpeech / "game03" / "yesno" / (label + ".wav"))) << label;
  }
  for (const auto& label : game10) {
    EXPECT_TRUE(Exists(kSpeech / "game10" / "correctwrong" / (label + ".wav"))) << label;
  }
  for (std::size_t i = 0; i < rewards.size(); ++i) {
    EXPECT_TRUE(Exists(kSpeech / "rewards" / (std::to_string(i) + ".wav"))) << rewards[i];
  }
}

TEST(DefaultContentTests, EveryWordOfAGame11SentenceIsRecorded) {
  const auto rows = Rows("Game11");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    const std::string sentence = row.at("SentenceA");
    std::size_t start = 0;
    while (start < sentence.size()) {
      std::size_t end = sentence.find(' ', start);
      if (end == std::string::npos) end = sentence.size() - 1;  // the last word keeps its stop
      const std::string word = sentence.substr(start, end - start);
      EXPECT_FALSE(word.empty()) << sentence;
      EXPECT_TRUE(Exists(kSpeech / (word + ".wav"))) << "\"" << word << "\" of \"" << sentence << "\"";
      start = end + 1;
    }
  }
}

TEST(DefaultContentTests, FourRowsInARowOfAPaintingListHaveFourColours) {
  const auto lists = Lists("Game06");
  ASSERT_FALSE(lists.empty());
  for (const auto& [name, rows] : lists) {
    ASSERT_GE(rows.size(), 4u) << name;
    for (std::size_t first = 0; first < rows.size(); ++first) {
      std::set<std::string> colours;
      for (std::size_t k = 0; k < 4; ++k) colours.insert(rows[(first + k) % rows.size()].at("Color"));
      EXPECT_EQ(colours.size(), 4u) << name << ", a set from row " << first + 1;
    }
  }
}

TEST(DefaultContentTests, CountingButtonsNameAsManyAsThePictureShows) {
  // The game shows four copies of a picture for Num up to 2 and 6 - Num copies
  // for Num 3 to 6.
  const std::map<std::string, int> numbers = {{"one", 1}, {"two", 2}, {"three", 3}, {"four", 4}};
  const auto rows = Rows("Game14");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    const std::string number = row.at("StrNum");
    ASSERT_TRUE(numbers.count(number)) << number;
    const int num = std::stoi(row.at("Num"));
    const int shown = num <= 2 ? 4 : std::max(0, 6 - num);
    EXPECT_EQ(shown, numbers.at(number)) << row.at("Sentence");
    EXPECT_EQ(row.at("Sentence").rfind(number + " ", 0), 0u) << row.at("Sentence");
    EXPECT_TRUE(Exists(kSpeech / "game14" / (number + ".wav"))) << number;
  }
}

TEST(DefaultContentTests, EveryGameHasTheDefaultListAndAnotherOneTwiceItsMinimum) {
  const std::vector<std::string> defaults = LanguageLines("defaultlist.txt");
  ASSERT_FALSE(defaults.empty());
  const int minimum[15] = {4, 4, 6, 4, 4, 4, 4, 4, 3, 4, 1, 4, 4, 4, 1};
  for (int game = 1; game <= 15; ++game) {
    const std::string table = std::string(game < 10 ? "Game0" : "Game") + std::to_string(game);
    const auto lists = Lists(table);
    EXPECT_TRUE(lists.count(defaults.front())) << table;
    EXPECT_GE(lists.size(), 2u) << table;
    for (const auto& [name, rows] : lists) {
      EXPECT_GE(static_cast<int>(rows.size()), 2 * minimum[game - 1]) << table << ", " << name;
    }
  }
}

// Word pictures stand in frames and slots sized for 85 x 85 pictures. Some games draw
// them transparently, leaving out the top-left colour: that colour must be the top-left
// pixel's alone, so a picture looks the same drawn either way.
TEST(DefaultContentTests, WordPicturesFitTheirFramesAndLookTheSameDrawnTransparently) {
  int checked = 0;
  for (const auto& item : std::filesystem::recursive_directory_iterator(kResources / "data" / "images")) {
    if (!item.is_regular_file()) continue;
    const Surface picture = Surface::Load(item.path());
    ASSERT_FALSE(picture.Empty()) << item.path();
    EXPECT_EQ(picture.Width(), 85) << item.path();
    EXPECT_EQ(picture.Height(), 85) << item.path();
    const Color key = picture.GetPixel(0, 0);
    int keyed = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) keyed += picture.GetPixel(x, y) == key ? 1 : 0;
    }
    EXPECT_EQ(keyed, 1) << item.path() << ": the top-left colour is used in the picture";
    ++checked;
  }
  EXPECT_GT(checked, 50);
}

// Scenes are drawn at the window's top-left corner and fill the 800 x 600 window.
TEST(DefaultContentTests, ScenesFillTheWindow) {
  int checked = 0;
  for (const auto& item : std::filesystem::directory_iterator(kResources / "data" / "backgrounds")) {
    const Surface picture = Surface::Load(item.path());
    ASSERT_FALSE(picture.Empty()) << item.path();
    EXPECT_EQ(picture.Width(), 800) << item.path();
    EXPECT_EQ(picture.Height(), 600) << item.path();
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace tavlo::wordlist
