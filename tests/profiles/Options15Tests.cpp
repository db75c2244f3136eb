#include <gtest/gtest.h>

#include <vector>

#include "engine/Application.h"
#include "platform/Fonts.h"
#include "platform/InputEvent.h"
#include "profiles/OptionDialogs.h"
#include "profiles/Options15Keys.h"
#include "profiles/Options15Model.h"
#include "wordlists/WordListFixture.h"

namespace tavlo {
namespace {

using Control = Options15Control;

class Options15Tests : public testing::WordListFixture {
 protected:
  Options15Tests() { state_.Profiles.ResetProfileOptions(); }

  ProfileStore& profile() { return state_.Profiles; }

  FontLibrary fonts_;
  Application app_{platform_, fonts_};
};

// The profile store reads a setting outside the speeds' range as its nearest
// end; one inside the range that is no speed stands for the middle speed.
TEST_F(Options15Tests, TheStoredSettingChoosesOneOfTheThreeSpeeds) {
  struct Case {
    int Setting;
    int Speed;
    int Index;
  };
  for (const Case& stored : {Case{50, 50, 0}, Case{75, 75, 1}, Case{100, 100, 2},
                             Case{0, 50, 0}, Case{60, 75, 1}, Case{500, 100, 2}}) {
    SCOPED_TRACE(stored.Setting);
    profile().SetGame15Setting(stored.Setting);
    EXPECT_EQ(Game15Speed(profile().GetGame15Setting()), stored.Speed);
    Options15Model model(profile(), {"Everyday words"});
    EXPECT_EQ(model.SpeedIndex, stored.Index);
  }
}

TEST_F(Options15Tests, TheFocusVisitsEveryControlAndEnterChoosesWhatItStandsOn) {
  Options15Model model(profile(), {"Everyday words", "Animals"});
  Options15Keys keys(model);
  std::vector<Control> visited{keys.Focused()};
  for (int i = 0; i < 7; ++i) {
    keys.OnKey(keys::kSpace, 0);
    visited.push_back(keys.Focused());
  }
  EXPECT_EQ(visited, (std::vector<Control>{Control::WordList, Control::RandomWord,
                                           Control::SlowSpeed, Control::MiddleSpeed,
                                           Control::FastSpeed, Control::OKButton,
                                           Control::CancelButton, Control::WordList}));
  keys.OnKey(keys::kEnter, 0);
  EXPECT_EQ(model.General().WordListText, "Animals");
  keys.OnKey(keys::kSpace, 0);
  const bool random_before = model.General().RandomWord;
  keys.OnKey(keys::kEnter, 0);
  EXPECT_NE(model.General().RandomWord, random_before);
  keys.OnKey(keys::kSpace, 0);
  keys.OnKey(keys::kEnter, 0);
  EXPECT_EQ(model.ChosenSpeed(), 50);
  // Back to the list, which steps round to its first entry.
  keys.OnKey(keys::kUp, 0);
  keys.OnKey(keys::kUp, 0);
  keys.OnKey(keys::kEnter, 0);
  EXPECT_EQ(model.General().WordListText, "Everyday words");
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Open);
}

TEST_F(Options15Tests, OkStoresListOrderAndSpeedAndCancelStoresNothing) {
  AddList("Game15", "Animals", 4);
  AddList("Game15", "Colours", 4);
  profile().SetWordList("Game15", "Animals");
  profile().SetRandomWord("Game15", 0);
  profile().SetReward("Game15", 0);
  const auto choose_everything = [](ModalDialog& dialog) {
    dialog.OnKey(keys::kEnter, 0);  // the next list
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);  // random order on
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);  // the fastest speed
  };
  platform_.OnDialog = [&](ModalDialog& dialog) {
    choose_everything(dialog);
    dialog.OnKey(keys::kEscape, 0);
  };
  EXPECT_EQ(ShowOptions15(app_, state_), 0);
  EXPECT_EQ(profile().GetWordList("Game15"), "Animals");
  EXPECT_EQ(profile().GetRandomWord("Game15"), 0);
  EXPECT_EQ(profile().GetGame15Setting(), 75);

  platform_.OnDialog = [&](ModalDialog& dialog) {
    choose_everything(dialog);
    dialog.Answer(DialogAnswer::Ok);
  };
  EXPECT_EQ(ShowOptions15(app_, state_), 1);
  EXPECT_EQ(state_.gDialogResult, 1);
  EXPECT_EQ(profile().GetWordList("Game15"), "Colours");
  EXPECT_EQ(profile().GetRandomWord("Game15"), 1);
  EXPECT_EQ(profile().GetGame15Setting(), 100);
  EXPECT_EQ(profile().GetReward("Game15"), 0);
}

}  // namespace
}  // namespace tavlo
