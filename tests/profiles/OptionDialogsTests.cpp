#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/Application.h"
#include "platform/Fonts.h"
#include "platform/InputEvent.h"
#include "profiles/DialogKeys.h"
#include "profiles/FontDialogKeys.h"
#include "profiles/FontDialogModel.h"
#include "profiles/GeneralOptionsKeys.h"
#include "profiles/GeneralOptionsModel.h"
#include "profiles/OptionDialogs.h"
#include "wordlists/WordListFixture.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

using Control = GeneralOptionsControl;

void Press(GeneralOptionsKeys& keys, int key_code, int times = 1) {
  for (int i = 0; i < times; ++i) keys.OnKey(key_code, 0);
}

// The controls the focus visits from the word list, one step key at a time,
// until it is back at the start.
std::vector<Control> FocusRound(GeneralOptionsKeys& keys, int key_code) {
  std::vector<Control> visited{keys.Focused()};
  for (int i = 0; i < 10; ++i) {
    keys.OnKey(key_code, 0);
    if (keys.Focused() == visited.front()) break;
    visited.push_back(keys.Focused());
  }
  return visited;
}

class OptionDialogsTests : public testing::WordListFixture {
 protected:
  OptionDialogsTests() { state_.Profiles.ResetProfileOptions(); }

  GeneralOptionsModel Model(const std::string& game_id,
                            std::vector<std::string> lists = {"Everyday words", "Animals"}) {
    return GeneralOptionsModel(state_.Profiles, game_id, std::move(lists));
  }

  ProfileStore& profile() { return state_.Profiles; }

  FontLibrary fonts_;
  Application app_{platform_, fonts_};
};

TEST(DialogKeysTests, SwitchKeysStepAndChooseAndEscapeCancels) {
  for (const int key : {keys::kSpace, keys::kTab, keys::kRight, keys::kDown}) {
    EXPECT_EQ(DialogKeyOf(key, 0), DialogKey::Next) << key;
  }
  for (const int key : {keys::kLeft, keys::kUp}) {
    EXPECT_EQ(DialogKeyOf(key, 0), DialogKey::Previous) << key;
  }
  EXPECT_EQ(DialogKeyOf(keys::kTab, shift_state::kShift), DialogKey::Previous);
  EXPECT_EQ(DialogKeyOf(keys::kEnter, 0), DialogKey::Activate);
  EXPECT_EQ(DialogKeyOf(keys::kEscape, 0), DialogKey::Cancel);
  EXPECT_EQ(DialogKeyOf(keys::kA, 0), DialogKey::None);
}

TEST(DialogKeysTests, FocusWrapsAndPassesOverGreyedControls) {
  DialogFocus focus(4);
  const auto all_but_two = [](int control) { return control != 2; };
  focus.Step(-1, all_but_two);
  EXPECT_EQ(focus.Current(), 3);
  focus.Step(+1, all_but_two);
  EXPECT_EQ(focus.Current(), 0);
  focus.Step(+1, all_but_two);
  focus.Step(+1, all_but_two);
  EXPECT_EQ(focus.Current(), 3);

  const auto only_three = [](int control) { return control == 3; };
  focus.Step(+1, only_three);
  EXPECT_EQ(focus.Current(), 3);
  focus.Set(9);
  EXPECT_EQ(focus.Current(), 3);
}

TEST_F(OptionDialogsTests, TheFocusVisitsTheControlsInOrderAndSkipsGreyedOnes) {
  auto model = Model("Game02");
  GeneralOptionsKeys keys(model);
  const std::vector<Control> every_control{Control::WordList, Control::RandomWord,
                                           Control::Reward,   Control::RewardFrequency,
                                           Control::OKButton, Control::CancelButton};
  EXPECT_EQ(FocusRound(keys, keys::kSpace), every_control);
  std::vector<Control> backwards{Control::WordList};
  backwards.insert(backwards.end(), every_control.rbegin(), every_control.rend() - 1);
  EXPECT_EQ(FocusRound(keys, keys::kUp), backwards);

  model.SetReward(false);
  EXPECT_EQ(FocusRound(keys, keys::kTab),
            (std::vector<Control>{Control::WordList, Control::RandomWord, Control::Reward,
                                  Control::OKButton, Control::CancelButton}));

  auto without_rewards = Model("Game10");
  GeneralOptionsKeys game10(without_rewards);
  EXPECT_EQ(FocusRound(game10, keys::kRight),
            (std::vector<Control>{Control::WordList, Control::RandomWord, Control::OKButton,
                                  Control::CancelButton}));
}

TEST_F(OptionDialogsTests, EnterStepsTheListAndTheSliderRoundAndTogglesTheBoxes) {
  profile().SetRewardFrequency("Game03", 9);
  auto model = Model("Game03", {"Everyday words", "Animals", "Colours"});
  GeneralOptionsKeys keys(model);
  ASSERT_EQ(model.WordListText, "Everyday words");
  Press(keys, keys::kEnter, 2);
  EXPECT_EQ(model.WordListText, "Colours");
  Press(keys, keys::kEnter);
  EXPECT_EQ(model.WordListText, "Everyday words");

  Press(keys, keys::kSpace);
  const bool random_before = model.RandomWord;
  Press(keys, keys::kEnter);
  EXPECT_NE(model.RandomWord, random_before);

  Press(keys, keys::kSpace, 2);
  ASSERT_EQ(keys.Focused(), Control::RewardFrequency);
  Press(keys, keys::kEnter);
  EXPECT_EQ(model.RewardFrequency, 10);
  Press(keys, keys::kEnter);
  EXPECT_EQ(model.RewardFrequency, 1);

  // Rewards off: the slider is greyed, and Enter on the box turns it back on.
  Press(keys, keys::kLeft);
  Press(keys, keys::kEnter);
  EXPECT_FALSE(model.Reward);
  EXPECT_FALSE(keys.Enabled(Control::RewardFrequency));
  Press(keys, keys::kEnter);
  EXPECT_TRUE(keys.Enabled(Control::RewardFrequency));
}

TEST_F(OptionDialogsTests, AStoredListTheTableLacksShowsTheFirstListAndStepsOn) {
  profile().SetWordList("Game05", "Gone");
  auto model = Model("Game05");
  GeneralOptionsKeys keys(model);
  EXPECT_EQ(model.WordListText, "Everyday words");
  Press(keys, keys::kEnter);
  EXPECT_EQ(model.WordListText, "Animals");

  auto empty = Model("Game05", {});
  GeneralOptionsKeys empty_keys(empty);
  Press(empty_keys, keys::kEnter);
  EXPECT_EQ(empty.WordListText, "Gone");
}

TEST_F(OptionDialogsTests, TheOpenFontListStepsThroughTheFamiliesAndEscapeGoesBack) {
  profile().SetFontName("Game03", "B");
  FontDialogModel model(profile(), "Game03", {"A", "B", "C"}, "");
  FontDialogKeys keys(model);
  keys.OnKey(keys::kEnter, 0);
  ASSERT_TRUE(keys.ListOpen());
  keys.OnKey(keys::kSpace, 0);
  keys.OnKey(keys::kSpace, 0);
  EXPECT_EQ(model.Selected, 0);
  keys.OnKey(keys::kUp, 0);
  EXPECT_EQ(model.Selected, 2);
  // Escape in the open list only closes it, with the family selected before.
  keys.OnKey(keys::kEscape, 0);
  EXPECT_FALSE(keys.ListOpen());
  EXPECT_EQ(model.Selected, 1);
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Open);

  keys.OnKey(keys::kEnter, 0);
  keys.OnKey(keys::kDown, 0);
  keys.OnKey(keys::kEnter, 0);
  EXPECT_FALSE(keys.ListOpen());
  keys.OnKey(keys::kSpace, 0);
  ASSERT_EQ(keys.Focused(), FontDialogControl::OKButton);
  keys.OnKey(keys::kEnter, 0);
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Confirmed);
  EXPECT_EQ(profile().GetFontName("Game03"), "C");
}

TEST_F(OptionDialogsTests, TheFontDialogCancelsWithEscapeAndAnEmptyListNeverOpens) {
  FontDialogModel model(profile(), "Game04", {"A", "B"}, "");
  FontDialogKeys keys(model);
  keys.OnKey(keys::kEnter, 0);
  keys.OnKey(keys::kSpace, 0);
  keys.OnKey(keys::kEnter, 0);
  keys.OnKey(keys::kEscape, 0);
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Cancelled);
  EXPECT_EQ(profile().GetFontName("Game04"), "Arial");

  FontDialogModel empty(profile(), "Game04", {}, "");
  FontDialogKeys empty_keys(empty);
  empty_keys.OnKey(keys::kEnter, 0);
  EXPECT_FALSE(empty_keys.ListOpen());
  empty_keys.OnKey(keys::kSpace, 0);
  EXPECT_EQ(empty_keys.Focused(), FontDialogControl::OKButton);
}

TEST_F(OptionDialogsTests, OkInTheGeneralOptionsStoresTheChoicesAndReportsOne) {
  AddList("Game02", "Animals", 4);
  AddList("Game02", "Colours", 4);
  std::vector<std::string> lists;
  ASSERT_EQ(GetWordListNames(state_, "Game02", lists), 1);
  profile().SetWordList("Game02", lists[0]);
  profile().SetRandomWord("Game02", 0);
  profile().SetRewardFrequency("Game02", 4);
  platform_.OnDialog = [](ModalDialog& dialog) {
    dialog.OnKey(keys::kEnter, 0);  // the next list
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);  // random order on
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);  // one more round before the reward
    dialog.Answer(DialogAnswer::Ok);
  };
  EXPECT_EQ(ShowGeneralOptions(app_, state_, "Game02"), 1);
  EXPECT_EQ(state_.gDialogResult, 1);
  EXPECT_EQ(platform_.DialogsRun, 1);
  EXPECT_EQ(profile().GetWordList("Game02"), lists[1]);
  EXPECT_EQ(profile().GetRandomWord("Game02"), 1);
  EXPECT_EQ(profile().GetRewardFrequency("Game02"), 5);
}

TEST_F(OptionDialogsTests, CancelAndAnUnansweredDialogStoreNothingAndReportZero) {
  AddList("Game06", "Animals", 4);
  AddList("Game06", "Colours", 4);
  profile().SetWordList("Game06", "Animals");
  state_.gDialogResult = 1;
  platform_.OnDialog = [](ModalDialog& dialog) {
    dialog.OnKey(keys::kEnter, 0);
    dialog.OnKey(keys::kEscape, 0);
  };
  EXPECT_EQ(ShowGeneralOptions(app_, state_, "Game06"), 0);
  EXPECT_EQ(state_.gDialogResult, 0);
  EXPECT_EQ(profile().GetWordList("Game06"), "Animals");

  // A script that leaves the dialog open ends like no script at all.
  state_.gDialogResult = 1;
  platform_.OnDialog = [](ModalDialog& dialog) { dialog.OnKey(keys::kEnter, 0); };
  EXPECT_EQ(ShowGeneralOptions(app_, state_, "Game06"), 0);
  EXPECT_EQ(state_.gDialogResult, 0);
  EXPECT_EQ(profile().GetWordList("Game06"), "Animals");
  EXPECT_EQ(platform_.DialogsRun, 2);
}

TEST_F(OptionDialogsTests, TheFontDialogOffersTheSystemsFamiliesAndStoresTheChosenOne) {
  const std::vector<std::string> families = FontLibrary::Families();
  ASSERT_GE(families.size(), 2u) << "the tests need two installed font families";
  profile().SetFontName("Game09", families[0]);
  state_.gDialogResult = 1;
  platform_.OnDialog = [](ModalDialog& dialog) {
    dialog.OnKey(keys::kEnter, 0);
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);
    dialog.OnKey(keys::kEscape, 0);
  };
  EXPECT_EQ(ShowFontDialog(app_, state_, "Game09"), 0);
  EXPECT_EQ(profile().GetFontName("Game09"), families[0]);

  platform_.OnDialog = [](ModalDialog& dialog) {
    dialog.OnKey(keys::kEnter, 0);
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);
    dialog.Answer(DialogAnswer::Ok);
  };
  EXPECT_EQ(ShowFontDialog(app_, state_, "Game09"), 1);
  EXPECT_EQ(state_.gDialogResult, 1);
  EXPECT_EQ(profile().GetFontName("Game09"), families[1]);
}

}  // namespace
}  // namespace tavlo
