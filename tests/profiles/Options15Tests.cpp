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

TEST_F(Options15Tests, TheStoredSettingChoosesOneOfTheThreeSpeeds) {
  struct Case {
    int Setting;
    int Speed;
    int Index;
  };
  // The profile store reads a setting outside the speeds' range as its
  // nearest end; one inside the range that is no speed stands for the middle.
  for (const Case& stored : {Case{50, 50, 0}, Case{75, 75, 1}, Case{100, 100, 2},
                             Case{0, 50, 0}, Case{60, 75, 1}, Case{500, 100, 2}}) {
    SCOPED_TRACE(stored.Setting);
    profile().SetGame15Setting(stored.Setting);
    EXPECT_EQ(Game15Speed(profile().GetGame15Setting()), stored.Speed);
    Options15Model model(profile(), {"Everyday words"});
    EXPECT_EQ(model.SpeedIndex, stored.Index);
  }
  EXPECT_EQ(Game15Speed(0), 75);
}

TEST_F(Options15Tests, TheFocusVisitsEveryControlAndEnterChoosesWhatItStandsOn) {
  Options15Model model(profile(), {"Everyday words", "Animals"});
  Options15Keys keys(model);
  std::vector<Control> visited{keys.Focused()};
  for (int i = 0; i < 7; ++i) {
    keys.OnKey(keys::kEnter, 0);
    keys.OnKey(keys::kSpace, 0);
    visited.push_back(keys.Focused());
  }
  EXPECT_EQ(visited, (std::vector<Control>{Control::WordList, Control::RandomWord,
                                           Control::SlowSpeed, Control::MiddleSpeed,
                                           Control::FastSpeed, Control::OKButton,
                                           Control::OKButton, Control::OKButton}));
  // Enter stepped the list, turned random order off, chose each speed in
  // turn and pressed OK, which stored them; after that keys change nothing.
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Confirmed);
  EXPECT_EQ(profile().GetWordList("Game15"), "Animals");
  EXPECT_EQ(profile().GetRandomWord("Game15"), 0);
  EXPECT_EQ(profile().GetGame15Setting(), 100);
}

TEST_F(Options15Tests, TheDialogOffersTheGamesListsAndReportsOkOrCancel) {
  AddList("Game15", "Animals", 4);
  AddList("Game15", "Colours", 4);
  profile().SetWordList("Game15", "Animals");
  const auto next_list = [](ModalDialog& dialog) { dialog.OnKey(keys::kEnter, 0); };
  platform_.OnDialog = next_list;
  EXPECT_EQ(ShowOptions15(app_, state_), 0);
  EXPECT_EQ(profile().GetWordList("Game15"), "Animals");

  platform_.OnDialog = [&](ModalDialog& dialog) {
    next_list(dialog);
    dialog.Answer(DialogAnswer::Ok);
  };
  EXPECT_EQ(ShowOptions15(app_, state_), 1);
  EXPECT_EQ(state_.gDialogResult, 1);
  EXPECT_EQ(profile().GetWordList("Game15"), "Colours");
}

}  // namespace
}  // namespace tavlo
