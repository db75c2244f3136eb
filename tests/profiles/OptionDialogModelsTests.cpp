#include <gtest/gtest.h>

#include "profiles/FontDialogModel.h"
#include "profiles/GeneralOptionsModel.h"
#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

class OptionDialogModelsTests : public ::testing::Test {
 protected:
  OptionDialogModelsTests() : texts(platform, folder.Path()), profile(platform, texts, data_path) {
    testing::WriteLines(folder / "lang/eng/defaultlist.txt", {"Everyday words"});
    texts.gLanguage = "eng";
    profile.ResetProfileOptions();
  }

  testing::TempFolder folder;
  std::string data_path;
  testing::FakePlatform platform;
  LanguageTexts texts;
  ProfileStore profile;
};

TEST_F(OptionDialogModelsTests, GeneralOptionsShowTheProfilesValues) {
  profile.SetWordList("Game02", "Animals");
  profile.SetRandomWord("Game02", 0);
  profile.SetRewardFrequency("Game02", 7);
  GeneralOptionsModel model(profile, "Game02", {"Everyday words", "Animals"});
  EXPECT_EQ(model.WordListText, "Animals");
  EXPECT_FALSE(model.RandomWord);
  EXPECT_TRUE(model.Reward);
  EXPECT_EQ(model.RewardFrequency, 7);
  EXPECT_TRUE(model.FrequencyEnabled());
}

TEST_F(OptionDialogModelsTests, WithoutAStoredListTheFirstListIsSelected) {
  profile.SetWordList("Game02", "");
  GeneralOptionsModel model(profile, "Game02", {"Animals", "Everyday words"});
  EXPECT_EQ(model.WordListText, "Animals");
}

TEST_F(OptionDialogModelsTests, AStoredListTheTableLacksGivesWayToTheFirstList) {
  profile.SetWordList("Game02", "Gone");
  GeneralOptionsModel model(profile, "Game02", {"Animals", "Everyday words"});
  EXPECT_EQ(model.WordListText, "Animals");
  GeneralOptionsModel empty_table(profile, "Game02", {});
  EXPECT_EQ(empty_table.WordListText, "Gone");
}

TEST_F(OptionDialogModelsTests, FrequencyFollowsTheRewardBoxAndStaysStored) {
  GeneralOptionsModel model(profile, "Game02", {"Everyday words"});
  model.SetRewardFrequency(5);
  model.SetReward(false);
  EXPECT_FALSE(model.FrequencyEnabled());
  model.SetRewardFrequency(9);
  EXPECT_EQ(model.RewardFrequency, 5);
  model.StoreOptions();
  EXPECT_EQ(profile.GetReward("Game02"), 0);
  EXPECT_EQ(profile.GetRewardFrequency("Game02"), 5);
}

TEST_F(OptionDialogModelsTests, TheSliderKeepsToOneToTen) {
  GeneralOptionsModel model(profile, "Game03", {});
  model.SetRewardFrequency(0);
  EXPECT_EQ(model.RewardFrequency, 1);
  model.SetRewardFrequency(11);
  EXPECT_EQ(model.RewardFrequency, 10);
}

TEST_F(OptionDialogModelsTests, GamesWithoutRewardsKeepTheirRewardValues) {
  for (const std::string id :
       {"Game01", "Game04", "Game07", "Game10", "Game11", "Game12", "Game13", "Game15"}) {
    GeneralOptionsModel model(profile, id, {"Everyday words"});
    EXPECT_FALSE(model.RewardControlsEnabled()) << id;
    model.SetReward(false);
    model.SetRewardFrequency(8);
    model.StoreOptions();
    EXPECT_EQ(profile.GetReward(id), 1) << id;
    EXPECT_EQ(profile.GetRewardFrequency(id), 3) << id;
  }
  for (const std::string id :
       {"Game02", "Game03", "Game05", "Game06", "Game08", "Game09", "Game14"}) {
    EXPECT_TRUE(GeneralOptionsModel(profile, id, {}).RewardControlsEnabled()) << id;
  }
}

TEST_F(OptionDialogModelsTests, AnEmptyWordListSelectionKeepsTheStoredList) {
  profile.SetWordList("Game05", "Animals");
  GeneralOptionsModel model(profile, "Game05", {});
  model.WordListText.clear();
  model.RandomWord = false;
  model.StoreOptions();
  EXPECT_EQ(profile.GetWordList("Game05"), "Animals");
  EXPECT_EQ(profile.GetRandomWord("Game05"), 0);
}

TEST_F(OptionDialogModelsTests, ChoosingAListStoresItsName) {
  GeneralOptionsModel model(profile, "Game05", {"Everyday words", "Animals"});
  model.SelectWordList(1);
  model.SelectWordList(7);
  model.StoreOptions();
  EXPECT_EQ(profile.GetWordList("Game05"), "Animals");
}

TEST_F(OptionDialogModelsTests, TheFontDialogSelectsTheGamesFaceAndStoresTheChoice) {
  const std::vector<std::string> families{"DejaVu Sans", "Liberation Sans", "Liberation Serif"};
  profile.SetFontName("Game03", "DejaVu Sans");
  FontDialogModel model(profile, "Game03", families, "DejaVu Sans");
  EXPECT_EQ(model.Selected, 0);
  model.Selected = 2;
  model.StoreFont();
  EXPECT_EQ(profile.GetFontName("Game03"), "Liberation Serif");

  // "Arial" is not installed: the family it is drawn with is selected, and
  // OK without another choice keeps the stored name.
  FontDialogModel arial(profile, "Game04", families, "Liberation Sans");
  EXPECT_EQ(arial.Selected, 1);
  arial.StoreFont();
  EXPECT_EQ(profile.GetFontName("Game04"), "Arial");

  FontDialogModel missing(profile, "Game05", {"DejaVu Sans"}, "");
  EXPECT_EQ(missing.Selected, -1);
  missing.StoreFont();
  EXPECT_EQ(profile.GetFontName("Game05"), "Arial");
}

}  // namespace
}  // namespace tavlo
