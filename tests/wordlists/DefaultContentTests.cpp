// The default word lists (content/<language>/) and the default data folder
// (resources/data/) as they are committed, for every language. `tavlo-wordlist
// check` on the staged data covers the files the rows name; these tests cover
// what the games play or show beyond the rows' own columns.
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
#include "wordlists/IcuCollation.h"

namespace tavlo::wordlist {
namespace {

const std::filesystem::path kResources = TAVLO_SOURCE_RESOURCES;

// The tests of one language's lists.
class DefaultContentTests : public ::testing::TestWithParam<std::string> {
 protected:
  const std::string language_ = GetParam();
  const std::filesystem::path content_ = kResources.parent_path() / "content" / language_;
  const std::filesystem::path speech_ = kResources / "data" / "speech" / language_;

  std::vector<std::string> LanguageLines(const std::string& name) const;
  std::vector<std::map<std::string, std::string>> Rows(const std::string& table) const;
  std::map<std::string, std::vector<std::map<std::string, std::string>>> Lists(
      const std::string& table) const;
};

INSTANTIATE_TEST_SUITE_P(Languages, DefaultContentTests, ::testing::Values("eng", "den"),
                         [](const ::testing::TestParamInfo<std::string>& test) {
                           return test.param;
                         });

std::vector<std::string> DefaultContentTests::LanguageLines(const std::string& name) const {
  const auto lines = ReadTextLines(kResources / "lang" / language_ / name);
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
std::vector<std::map<std::string, std::string>> DefaultContentTests::Rows(
    const std::string& table) const {
  const TableText text = ReadTableFile(content_ / (table + ".tsv"), TableFormat::Tsv);
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

// Rows grouped by list, each list in the order the game receives it: by word,
// in the language's alphabet.
std::map<std::string, std::vector<std::map<std::string, std::string>>> DefaultContentTests::Lists(
    const std::string& table) const {
  std::map<std::string, std::vector<std::map<std::string, std::string>>> lists;
  for (auto& row : Rows(table)) lists[row["WordList"]].push_back(row);
  const WordCollator collator = WordCollator::ForLanguage(language_);
  for (auto& [name, rows] : lists) {
    std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
      return collator.Compare(a.at("Word"), b.at("Word")) < 0;
    });
  }
  return lists;
}

bool Exists(const std::filesystem::path& file) { return std::filesystem::is_regular_file(file); }

TEST_P(DefaultContentTests, EveryAnswerButtonAndPraiseIsRecorded) {
  const std::vector<std::string> game01 = LanguageLines("Game01data.txt");
  const std::vector<std::string> game03 = LanguageLines("Game03data.txt");
  const std::vector<std::string> game10 = LanguageLines("Game10data.txt");
  const std::vector<std::string> rewards = LanguageLines("rewards.txt");
  ASSERT_FALSE(game01.empty());
  ASSERT_FALSE(game03.empty());
  ASSERT_FALSE(game10.empty());
  ASSERT_FALSE(rewards.empty());
  for (const auto& label : game01)
    EXPECT_TRUE(Exists(speech_ / "game01" / (label + ".wav"))) << label;
  for (const auto& label : game03) {
    EXPECT_TRUE(Exists(speech_ / "game03" / "yesno" / (label + ".wav"))) << label;
  }
  for (const auto& label : game10) {
    EXPECT_TRUE(Exists(speech_ / "game10" / "correctwrong" / (label + ".wav"))) << label;
  }
  for (std::size_t i = 0; i < rewards.size(); ++i) {
    EXPECT_TRUE(Exists(speech_ / "rewards" / (std::to_string(i) + ".wav"))) << rewards[i];
  }
}

// A word of a Game 11 sentence is pointed at in its turn, so none may be
// empty (two blanks in a row); the game speaks a right-clicked word in every
// language but Danish, where it speaks only the whole sentence.
TEST_P(DefaultContentTests, EveryWordOfAGame11SentenceCanBePointedAtAndHeard) {
  const bool speaks_words = language_ != "den";
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
      if (speaks_words) {
        EXPECT_TRUE(Exists(speech_ / (word + ".wav")))
            << "\"" << word << "\" of \"" << sentence << "\"";
      }
      start = end + 1;
    }
  }
}

TEST_P(DefaultContentTests, FourRowsInARowOfAPaintingListHaveFourColours) {
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

TEST_P(DefaultContentTests, CountingButtonsNameAsManyAsThePictureShows) {
  // The game shows four copies of a picture for Num up to 2 and 6 - Num copies
  // for Num 3 to 6. Danish says one thing with "en" or "et" by its gender.
  const std::map<std::string, int> numbers =
      language_ == "den"
          ? std::map<std::string, int>{{"en", 1}, {"et", 1}, {"to", 2}, {"tre", 3}, {"fire", 4}}
          : std::map<std::string, int>{{"one", 1}, {"two", 2}, {"three", 3}, {"four", 4}};
  const auto rows = Rows("Game14");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    const std::string number = row.at("StrNum");
    ASSERT_TRUE(numbers.count(number)) << number;
    const int num = std::stoi(row.at("Num"));
    const int shown = num <= 2 ? 4 : std::max(0, 6 - num);
    EXPECT_EQ(shown, numbers.at(number)) << row.at("Sentence");
    EXPECT_EQ(row.at("Sentence").rfind(number + " ", 0), 0u) << row.at("Sentence");
    EXPECT_TRUE(Exists(speech_ / "game14" / (number + ".wav"))) << number;
  }
}

TEST_P(DefaultContentTests, EveryGameHasTheDefaultListAndAnotherOneTwiceItsMinimum) {
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
TEST(DefaultDataTests, WordPicturesFitTheirFramesAndLookTheSameDrawnTransparently) {
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
TEST(DefaultDataTests, ScenesFillTheWindow) {
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
