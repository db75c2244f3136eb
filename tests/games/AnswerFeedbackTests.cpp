#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "games/AnswerFeedback.h"
#include "support/BareProgramTest.h"

namespace tavlo {
namespace {

class AnswerFeedbackTests : public testing::BareProgramTest {
 protected:
  AnswerFeedbackTests() {
    platform.Sound.SetLength("correct0.wav", 300);
    platform.Sound.SetLength("wrong0.wav", 400);
  }

  void AddRewardSound(const std::string& name) {
    testing::WriteFile(folder / ("sfx/rewards/" + name), "RIFF");
  }

  RewardSoundFiles sounds;
};

TEST_F(AnswerFeedbackTests, AnswerSoundsPlayToTheirEndFromTheSoundFolder) {
  const std::int64_t start = MilliTimer64();
  PlayCorrectSound(app, state.Profiles);
  EXPECT_EQ(MilliTimer64(), start + 300);
  PlayWrongSound(app, state.Profiles);
  EXPECT_EQ(MilliTimer64(), start + 700);
  ASSERT_EQ(platform.Sound.Waves.size(), 2u);
  EXPECT_EQ(platform.Sound.Waves[0].File, folder.Path() / "sfx/correct0.wav");
  EXPECT_EQ(platform.Sound.Waves[1].File, folder.Path() / "sfx/wrong0.wav");

  // They are sound effects: the profile can silence them.
  state.Profiles.SoundEffects = false;
  PlayCorrectSound(app, state.Profiles);
  PlayWrongSound(app, state.Profiles);
  EXPECT_EQ(MilliTimer64(), start + 700);
  EXPECT_EQ(platform.Sound.Waves.size(), 2u);
}

TEST_F(AnswerFeedbackTests, RewardSoundsAreDrawnFromEveryWaveOfTheFolder) {
  AddRewardSound("bells.wav");
  AddRewardSound("Chime.WAV");
  AddRewardSound("hooray.wav");
  AddRewardSound("readme.txt");
  std::set<std::string> drawn;
  for (int i = 0; i < 200; ++i) drawn.insert(RandomRewardSound(app, sounds));
  EXPECT_EQ(drawn, (std::set<std::string>{"Chime.WAV", "bells.wav", "hooray.wav"}));
}

TEST_F(AnswerFeedbackTests, TheRewardFolderIsListedOnlyOnce) {
  AddRewardSound("bells.wav");
  EXPECT_EQ(RandomRewardSound(app, sounds), "bells.wav");
  AddRewardSound("chime.wav");
  for (int i = 0; i < 50; ++i) EXPECT_EQ(RandomRewardSound(app, sounds), "bells.wav");
}

TEST_F(AnswerFeedbackTests, AnEmptyRewardFolderGivesNoNameAndIsListedAgain) {
  EXPECT_EQ(RandomRewardSound(app, sounds), "");
  std::filesystem::create_directories(folder / "sfx/rewards");
  EXPECT_EQ(RandomRewardSound(app, sounds), "");
  EXPECT_FALSE(sounds.Loaded);
  AddRewardSound("fanfare.wav");
  EXPECT_EQ(RandomRewardSound(app, sounds), "fanfare.wav");
}

TEST_F(AnswerFeedbackTests, FileListsMatchPrefixAndSuffixWithoutCaseInNameOrder) {
  for (const char* name : {"cat1.gif", "Cat0.GIF", "catfish0.gif", "dog0.gif", "cat2.png"}) {
    testing::WriteFile(folder / "animals" / name, "GIF8");
  }
  std::filesystem::create_directories(folder / "animals/cat3.gif");
  EXPECT_EQ(ListFilesLike(folder / "animals", "cat", ".gif"),
            (std::vector<std::string>{"Cat0.GIF", "cat1.gif", "catfish0.gif"}));
  EXPECT_EQ(ListFilesLike(folder / "animals", "", "0.gif"),
            (std::vector<std::string>{"Cat0.GIF", "catfish0.gif", "dog0.gif"}));
  EXPECT_TRUE(ListFilesLike(folder / "nowhere", "", ".gif").empty());
}

}  // namespace
}  // namespace tavlo
