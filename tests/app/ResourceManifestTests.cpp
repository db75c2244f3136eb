// Checks the installed program folder against tools/assets/manifest.txt: every file the
// program opens is there, pictures load at the size their screen layout was planned for,
// see-through colours stay out of the figures, sounds are real sounds, and the language
// files are written in the form the program reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Surface.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

const fs::path kResources = TAVLO_SOURCE_RESOURCES;
const fs::path kManifest = fs::path(TAVLO_SOURCE_RESOURCES) / ".." / "tools" / "assets" / "manifest.txt";

struct Entry {
  std::string path;
  int width = 0;  // 0 when the manifest gives no size
  int height = 0;
  bool keyed = false;
  bool todo = false;
};

std::vector<Entry> ReadManifest() {
  std::vector<Entry> entries;
  std::ifstream in(kManifest);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Entry entry;
    std::string size, flag;
    fields >> entry.path >> size;
    if (size != "-" && !size.empty()) {
      const auto x = size.find('x');
      entry.width = std::stoi(size.substr(0, x));
      entry.height = std::stoi(size.substr(x + 1));
    }
    while (fields >> flag) {
      if (flag == "key") entry.keyed = true;
      if (flag == "todo") entry.todo = true;
    }
    entries.push_back(entry);
  }
  return entries;
}

bool IsPicture(const std::string& path) {
  const auto ext = fs::path(path).extension().string();
  return ext == ".gif" || ext == ".jpg" || ext == ".ico";
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines of a language file; fails the test when a line does not end in CR LF.
std::vector<std::string> ReadLanguageFile(const std::string& language, const std::string& name) {
  const std::string text = ReadBytes(kResources / "lang" / language / name);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << name << ": the last line does not end in CR LF";
      lines.push_back(text.substr(start));
      break;
    }
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos) << name << ": a line ends in LF alone";
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

TEST(ResourceManifest, ListsTheProgramFolder) {
  const auto entries = ReadManifest();
  ASSERT_GT(entries.size(), 300u) << "manifest missing or cut short: " << kManifest;
}

TEST(ResourceManifest, EveryListedFileExists) {
  for (const auto& entry : ReadManifest()) {
    if (entry.todo) continue;
    EXPECT_TRUE(fs::is_regular_file(kResources / entry.path)) << "missing: " << entry.path;
  }
}

TEST(ResourceManifest, EveryPictureAndSoundFileIsListed) {
  // The program lists some folders (reward sounds, reward animals, Game 15's animals),
  // so a stray file there would change what plays.
  std::set<std::string> listed;
  for (const auto& entry : ReadManifest()) listed.insert(entry.path);
  for (const char* folder : {"gfx", "sfx"}) {
    for (const auto& item : fs::recursive_directory_iterator(kResources / folder)) {
      if (!item.is_regular_file()) continue;
      const auto relative = fs::relative(item.path(), kResources).generic_string();
      EXPECT_TRUE(listed.count(relative)) << "not in the manifest: " << relative;
    }
  }
}

TEST(ResourceManifest, PicturesLoadAtTheirPlannedSize) {
  for (const auto& entry : ReadManifest()) {
    if (entry.todo || !IsPicture(entry.path)) continue;
    const Surface picture = Surface::Load(kResources / entry.path);
    ASSERT_FALSE(picture.Empty()) << "does not load: " << entry.path;
    if (entry.width > 0) {
      EXPECT_EQ(picture.Width(), entry.width) << entry.path;
      EXPECT_EQ(picture.Height(), entry.height) << entry.path;
    }
  }
}

// The program draws a picture transparently by leaving out every pixel of its top-left
// colour. That colour may surround the figure but must never appear inside it: every
// pixel of it must be reachable from the picture's edge through pixels of the same colour.
TEST(ResourceManifest, SeeThroughColourStaysOutsideTheFigure) {
  int checked = 0;
  for (const auto& entry : ReadManifest()) {
    if (entry.todo || !entry.keyed) continue;
    const Surface picture = Surface::Load(kResources / entry.path);
    ASSERT_FALSE(picture.Empty()) << entry.path;
    const int w = picture.Width(), h = picture.Height();
    const Color key = picture.GetPixel(0, 0);
    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    std::vector<std::pair<int, int>> todo;
    auto visit = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= w || y >= h) return;
      char& s = seen[static_cast<size_t>(y) * w + x];
      if (s || picture.GetPixel(x, y) != key) return;
      s = 1;
      todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
    for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
    while (!todo.empty()) {
      const auto [x, y] = todo.back();
      todo.pop_back();
      visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
    }
    int inside = 0, figure = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool is_key = picture.GetPixel(x, y) == key;
        if (is_key && !seen[static_cast<size_t>(y) * w + x]) ++inside;
        if (!is_key) ++figure;
      }
    }
    EXPECT_EQ(inside, 0) << entry.path << ": see-through colour inside the figure";
    EXPECT_GT(figure, w * h / 10) << entry.path << ": hardly any figure";
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

struct WaveInfo {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};

WaveInfo ReadWave(const fs::path& file) {
  WaveInfo info;
  const std::string data = ReadBytes(file);
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(data[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 3])) << 24;
  };
  auto u16 = [&](size_t at) {
    return static_cast<int>(static_cast<uint8_t>(data[at]) | static_cast<uint8_t>(data[at + 1]) << 8);
  };
  if (data.size() < 12 || data.compare(0, 4, "RIFF") != 0 || data.compare(8, 4, "WAVE") != 0) return info;
  size_t at = 12;
  while (at + 8 <= data.size()) {
    const std::string id = data.substr(at, 4);
    const uint32_t size = u32(at + 4);
    const size_t body = at + 8;
    if (body + size > data.size()) break;
    if (id == "fmt ") {
      info.format = u16(body);
      info.channels = u16(body + 2);
      info.rate = static_cast<int>(u32(body + 4));
      info.bits = u16(body + 14);
    } else if (id == "data") {
      for (size_t i = body; i + 1 < body + size; i += 2) {
        info.samples.push_back(static_cast<int16_t>(u16(i)));
      }
    }
    at = body + size + (size & 1);
  }
  return info;
}

TEST(ResourceManifest, SoundsArePlainWavesThatAreHeardButNotClipped) {
  int checked = 0;
  for (const auto& entry : ReadManifest()) {
    if (entry.todo || fs::path(entry.path).extension() != ".wav") continue;
    const WaveInfo wave = ReadWave(kResources / entry.path);
    EXPECT_EQ(wave.format, 1) << entry.path << ": not PCM";
    EXPECT_EQ(wave.bits, 16) << entry.path;
    EXPECT_EQ(wave.channels, 1) << entry.path;
    EXPECT_EQ(wave.rate, 22050) << entry.path;
    ASSERT_FALSE(wave.samples.empty()) << entry.path;
    int peak = 0;
    for (const int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    if (entry.path == "sfx/silence.wav") {
      EXPECT_EQ(peak, 0) << "the silence must be silent";
      EXPECT_LE(wave.samples.size(), 22050u / 2) << "the silence must be short";
    } else {
      // Levelled to a peak just below full scale: loud enough, never clipped.
      EXPECT_GT(peak, 32767 / 8) << entry.path << ": almost silent";
      EXPECT_LT(peak, 32700) << entry.path << ": clipped";
    }
    ++checked;
  }
  EXPECT_GE(checked, 16);
}

TEST(ResourceManifest, MenuMusicLoopsForAtLeastHalfAMinute) {
  const WaveInfo music = ReadWave(kResources / "sfx/menu/music.wav");
  ASSERT_GT(music.rate, 0);
  EXPECT_GE(music.samples.size() / static_cast<size_t>(music.rate), 30u);
}

TEST(ResourceManifest, RewardFoldersOfferEnoughChoice) {
  int reward_sounds = 0;
  for (const auto& item : fs::directory_iterator(kResources / "sfx/rewards")) {
    if (item.path().extension() == ".wav") ++reward_sounds;
  }
  EXPECT_GE(reward_sounds, 4);

  // Each animal is its frames name0.gif, name1.gif, ... without gaps; the program finds
  // them by the pattern name*.gif, so one animal's name must not begin another's.
  for (const char* game : {"game02", "game03", "game05", "game06", "game08", "game09", "game14"}) {
    for (const char* side : {"right", "left"}) {
      const fs::path folder = kResources / "gfx" / game / "rewards" / "animals" / side;
      std::vector<std::string> files;
      for (const auto& item : fs::directory_iterator(folder)) files.push_back(item.path().filename().string());
      std::vector<std::string> animals;
      for (const auto& f : files) {
        if (f.size() > 5 && f.compare(f.size() - 5, 5, "0.gif") == 0) animals.push_back(f.substr(0, f.size() - 5));
      }
      EXPECT_GE(animals.size(), 3u) << folder;
      for (const auto& animal : animals) {
        const auto frames = std::count_if(files.begin(), files.end(), [&](const std::string& f) {
          return f.rfind(animal, 0) == 0 && f.size() > 4 && f.compare(f.size() - 4, 4, ".gif") == 0;
        });
        EXPECT_GE(frames, 2) << folder << " " << animal;
        for (int k = 0; k < frames; ++k) {
          EXPECT_TRUE(fs::exists(folder / (animal + std::to_string(k) + ".gif"))) << folder << " " << animal << k;
        }
      }
    }
  }

  int runners = 0;
  for (const auto& item : fs::directory_iterator(kResources / "gfx/game15/animals")) {
    const auto f = item.path().filename().string();
    if (f.size() > 5 && f.compare(f.size() - 5, 5, "0.gif") == 0) {
      const auto name = f.substr(0, f.size() - 5);
      ++runners;
      for (const char* k : {"1", "2"}) {
        EXPECT_TRUE(fs::exists(item.path().parent_path() / (name + k + ".gif"))) << name << k;
      }
    }
  }
  EXPECT_GE(runners, 3);
}

class LanguageFolderTests : public ::testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFolderTests, ::testing::Values("eng", "den"),
                         [](const ::testing::TestParamInfo<std::string>& test) {
                           return test.param;
                         });

// Which lines each screen reads is checked in LanguageFilesTests; here, the
// files' form: CR LF line ends, and lines that belong together.
TEST_P(LanguageFolderTests, AreWrittenInTheFormTheScreensNeed) {
  const std::string language = GetParam();
  // Every text file of the folder; its spoken/ folder holds recordings.
  for (const auto& item : fs::directory_iterator(kResources / "lang" / language)) {
    if (item.is_regular_file()) ReadLanguageFile(language, item.path().filename().string());
  }
  EXPECT_EQ(ReadLanguageFile(language, "menu.txt")[0], "Tavlo")
      << "the program's name and first player";
  const auto information = ReadLanguageFile(language, "information.txt");
  EXPECT_NE(information[9].find('?'), std::string::npos) << "information text 9 asks a question";

  const auto games = ReadLanguageFile(language, "games.txt");
  EXPECT_EQ(games.size(), 15u);
  EXPECT_EQ(std::set<std::string>(games.begin(), games.end()).size(), 15u)
      << "two games share a name";

  const auto help = ReadLanguageFile(language, "help.txt");
  EXPECT_GE(help.size(), 10u);
  EXPECT_EQ(help.size() % 2, 0u) << "help lines come in pairs: a key, then what it does";
  for (const auto& line : help) EXPECT_FALSE(line.empty());

  EXPECT_GE(ReadLanguageFile(language, "rewards.txt").size(), 4u);
  const auto credits = ReadLanguageFile(language, "credits.txt");
  EXPECT_EQ(std::count_if(credits.begin(), credits.end(), [](const std::string& l) { return !l.empty(); }), 2);

  const auto game01 = ReadLanguageFile(language, "Game01data.txt");
  EXPECT_GE(game01.size(), 2u);
  EXPECT_LE(game01.size(), 4u) << "Game 1 lays out two to four answer buttons";
  EXPECT_EQ(ReadLanguageFile(language, "Game03data.txt").size(), 2u)
      << "Game 3 has a yes and a no button";
  EXPECT_EQ(ReadLanguageFile(language, "Game10data.txt").size(), 2u)
      << "Game 10 has two answer pictures";
}

// The main menu's game buttons and the about screen's credits are pictures of
// each language folder (the manifest checks their sizes).
TEST_P(LanguageFolderTests, HaveTheirOwnMenuPictures) {
  std::set<std::string> listed;
  for (const auto& entry : ReadManifest()) listed.insert(entry.path);
  const std::string folder = "gfx/menu/" + GetParam() + "/";
  for (int game = 1; game <= 15; ++game) {
    EXPECT_TRUE(listed.count(folder + (game < 10 ? "0" : "") + std::to_string(game) + ".gif"))
        << game;
  }
  EXPECT_TRUE(listed.count(folder + "creditsmenu.gif"));
}

TEST(ResourceManifest, EnglishIsTheLanguageOfAFreshProgramFolder) {
  std::ifstream lang(kResources / "lang" / "lang.txt", std::ios::binary);
  std::string first;
  std::getline(lang, first);
  EXPECT_EQ(first, "eng\r");
  EXPECT_EQ(ReadLanguageFile("eng", "defaultlist.txt")[0], "Everyday words");
}

TEST(ResourceManifest, ProgramFolderStaysUnderFortyMegabytes) {
  std::uintmax_t total = 0;
  for (const auto& item : fs::recursive_directory_iterator(kResources)) {
    if (item.is_regular_file()) total += item.file_size();
  }
  EXPECT_LT(total, 40u * 1024 * 1024);
}

}  // namespace
}  // namespace tavlo
