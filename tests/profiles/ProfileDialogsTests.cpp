#include <gtest/gtest.h>

#include "platform/InputEvent.h"
#include "profiles/NewProfileDialog.h"
#include "profiles/NewProfileKeys.h"
#include "profiles/NewProfileModel.h"
#include "profiles/ProfileDialogs.h"
#include "support/ProgramTest.h"

namespace tavlo {
namespace {

using Script = std::function<void(ModalDialog&)>;

void Keys(ModalDialog& dialog, std::initializer_list<int> codes) {
  for (const int code : codes) dialog.OnKey(code, 0);
}

// The profile dialog's buttons, as a switch user reaches them from the list.
Script PressButton(int steps) {
  return [steps](ModalDialog& dialog) {
    for (int i = 0; i < steps; ++i) dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);
  };
}
const Script kNew = PressButton(1);
const Script kRemove = PressButton(2);
const Script kReset = PressButton(3);
const Script kOk = [](ModalDialog& dialog) { dialog.Answer(DialogAnswer::Ok); };
const Script kEscape = [](ModalDialog& dialog) { dialog.OnKey(keys::kEscape, 0); };
Script TypeName(const std::string& name) {
  return [name](ModalDialog& dialog) {
    dialog.OnText(name);
    dialog.OnKey(keys::kEnter, 0);
  };
}

class ProfileDialogsTests : public testing::ProgramTest {
 protected:
  ProfileDialogsTests() {
    StartProgram([](ProfileStore& profile) {
      profile.Games[0].CorrectCount = 7;
      profile.SaveProfileOptions();
    });
  }

  void Show(std::initializer_list<Script> scripts) {
    platform.DialogScripts.assign(scripts.begin(), scripts.end());
    ShowProfileDialog(app, state);
    EXPECT_TRUE(platform.DialogScripts.empty()) << "a dialog the test expected did not open";
  }

  std::filesystem::path OptionFile(const std::string& name) const {
    return DataFolder() / "profiles" / name;
  }
  std::vector<std::string> CurrentProfileFile() const {
    return testing::ReadLines(DataFolder() / "profile.txt");
  }

  ProfileStore& profile() { return state.Profiles; }
};

TEST_F(ProfileDialogsTests, NewMakesANewProfileWithDefaultsCurrentAndOkKeepsIt) {
  Show({kNew, TypeName("Anna"), kOk});
  EXPECT_EQ(profile().gProfileName, "Anna");
  EXPECT_EQ(CurrentProfileFile(), std::vector<std::string>{"Anna"});
  EXPECT_EQ(testing::ReadLines(OptionFile("Anna")).size(), 141u);
  EXPECT_EQ(profile().Games[0].CorrectCount, 0);
  // The first profile's answers are where they were.
  EXPECT_EQ(testing::ReadLines(OptionFile("Tavlo"))[6], "7");
}

TEST_F(ProfileDialogsTests, ARefusedNameIsExplainedInTheDialogAndCreatesNothing) {
  for (const std::string name : {"   ", "../x", ".hidden", "a\\b", ""}) {
    SCOPED_TRACE(name);
    std::string problem;
    bool closed = true;
    Show({kNew,
          [&](ModalDialog& dialog) {
            dialog.OnText(name);
            dialog.Answer(DialogAnswer::Ok);
            closed = dialog.Closed();
            problem = static_cast<NewProfileDialog&>(dialog.Underlying()).Model().Problem();
            dialog.Answer(DialogAnswer::Cancel);
          },
          kOk});
    EXPECT_FALSE(closed);
    EXPECT_FALSE(problem.empty());
    EXPECT_EQ(profile().ListProfiles(), std::vector<std::string>{"Tavlo"});
    EXPECT_EQ(CurrentProfileFile(), std::vector<std::string>{"Tavlo"});
  }
}

TEST_F(ProfileDialogsTests, AnExistingNameIsChosenWithItsCountsAndFileUntouched) {
  Show({kNew, TypeName("Anna"), kOk});
  profile().Games[2].WrongCount = 4;
  profile().SaveProfileOptions();
  const auto anna_before = testing::ReadLines(OptionFile("Anna"));
  profile().WriteCurrentProfile("Tavlo");
  profile().LoadProfileOptions();

  Show({kNew, TypeName("Anna"), kEscape});
  EXPECT_EQ(profile().gProfileName, "Anna");
  EXPECT_EQ(profile().Games[2].WrongCount, 4);
  EXPECT_EQ(testing::ReadLines(OptionFile("Anna")), anna_before);
}

TEST_F(ProfileDialogsTests, RemovingTheCurrentProfileFallsBackAtTheNextLoad) {
  Show({kNew, TypeName("Anna"), kOk});
  // Anna is current and selected: removing her leaves her current, unlisted.
  Show({kRemove, kEscape});
  EXPECT_EQ(profile().ListProfiles(), std::vector<std::string>{"Tavlo"});
  EXPECT_EQ(CurrentProfileFile(), std::vector<std::string>{"Anna"});
  profile().LoadProfileOptions();
  EXPECT_EQ(profile().gProfileName, "Tavlo");
  EXPECT_EQ(profile().Games[0].CorrectCount, 7);
  EXPECT_FALSE(std::filesystem::exists(OptionFile("Anna")));
}

TEST_F(ProfileDialogsTests, OkWithNothingSelectedLoadsTheFirstProfileWithItsAnswers) {
  Show({kNew, TypeName("Anna"), kOk});
  // Removing the selected Anna leaves nothing selected; OK chooses Tavlo.
  Show({kRemove, kOk});
  EXPECT_EQ(profile().gProfileName, "Tavlo");
  EXPECT_EQ(profile().Games[0].CorrectCount, 7);
  EXPECT_EQ(CurrentProfileFile(), std::vector<std::string>{"Tavlo"});
}

TEST_F(ProfileDialogsTests, ResetClearsTheCurrentProfileNotTheSelectedOneAndOnlyAfterYes) {
  Show({kNew, TypeName("Anna"), kOk});
  profile().Games[1].CorrectCount = 3;
  profile().SaveProfileOptions();
  const Script select_tavlo = [](ModalDialog& dialog) {
    Keys(dialog, {keys::kEnter, keys::kSpace, keys::kEnter});
  };
  platform.ScriptedAnswers = {MessageAnswer::No};
  platform.Messages.clear();
  Show({[&](ModalDialog& dialog) {
          select_tavlo(dialog);
          kReset(dialog);
        },
        kEscape});
  EXPECT_EQ(profile().Games[1].CorrectCount, 3);
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_NE(platform.Messages[0].Text.find("Anna"), std::string::npos);

  Show({[&](ModalDialog& dialog) {
          select_tavlo(dialog);
          kReset(dialog);
        },
        kEscape});
  EXPECT_EQ(profile().gProfileName, "Anna");
  EXPECT_EQ(profile().Games[1].CorrectCount, 0);
  EXPECT_EQ(testing::ReadLines(OptionFile("Anna"))[5 + 3 + 1], "0");
  EXPECT_EQ(testing::ReadLines(OptionFile("Tavlo"))[6], "7");
}

TEST_F(ProfileDialogsTests, TheListOpensWithEnterAndOkChoosesTheProfileReached) {
  Show({kNew, TypeName("Anna"), kOk});
  Show({[](ModalDialog& dialog) {
    // Anna, Tavlo: one step from Anna reaches Tavlo; Escape goes back to
    // Anna, so a second round is needed.
    Keys(dialog, {keys::kEnter, keys::kSpace, keys::kEscape});
    Keys(dialog, {keys::kEnter, keys::kDown, keys::kEnter});
    dialog.Answer(DialogAnswer::Ok);
  }});
  EXPECT_EQ(profile().gProfileName, "Tavlo");
  EXPECT_EQ(profile().Games[0].CorrectCount, 7);
}

// Switches alone: rows are stepped into with Enter, letters typed with
// Enter, a row left from its last stop; the first letter of a word is a
// capital.
TEST(NewProfileKeysTests, TwoSwitchesTypeANameOnTheOnScreenKeyboard) {
  NewProfileModel model({"?", "abc def", "ABC DEF", "blank", "rub out", "none", "refused"});
  NewProfileKeys keys(model);
  ASSERT_EQ(model.Rows().size(), 3u);  // two rows of letters, then blank and rub out
  const auto press = [&](std::initializer_list<int> codes) {
    for (const int code : codes) keys.OnKey(code, 0);
  };
  press({keys::kEnter, keys::kSpace, keys::kEnter});  // b
  EXPECT_EQ(model.Name(), "B");
  press({keys::kSpace, keys::kEnter, keys::kEnter});  // second row: d
  EXPECT_EQ(model.Name(), "Bd");
  // The stop after the last key leaves the row without typing.
  press({keys::kEnter, keys::kLeft, keys::kEnter});
  EXPECT_EQ(model.Name(), "Bd");
  EXPECT_EQ(keys.FocusedKey(), -1);
  press({keys::kSpace, keys::kEnter, keys::kEnter});  // blank
  press({keys::kLeft, keys::kLeft, keys::kEnter, keys::kSpace, keys::kEnter});  // capital B
  EXPECT_EQ(model.Name(), "Bd B");
  press({keys::kSpace, keys::kSpace, keys::kEnter, keys::kSpace, keys::kEnter});  // rub out
  EXPECT_EQ(model.Name(), "Bd ");
  // Space from the last row goes on to OK.
  press({keys::kSpace});
  EXPECT_TRUE(keys.OkFocused());
}

TEST(NewProfileKeysTests, TypingGoesToTheNameBoxWhereSpaceIsABlankAndEnterConfirms) {
  NewProfileModel model({"?", "ab", "AB", "blank", "rub out", "none", "refused"});
  NewProfileKeys keys(model);
  // Outside the box a blank is the step switch's, not the name's.
  keys.OnKey(keys::kSpace, 0);
  keys.OnText(" ");
  EXPECT_EQ(model.Name(), "");
  keys.OnText("Åse");
  EXPECT_TRUE(keys.NameBoxFocused());
  keys.OnKey(keys::kSpace, 0);
  keys.OnText(" ");
  keys.OnText("Li\x01");
  keys.OnKey(keys::kBackspace, 0);
  EXPECT_EQ(model.Name(), "Åse L");
  keys.OnText(std::string(60, 'x'));
  EXPECT_EQ(model.Name().size(), std::string("Åse L").size() + 35);
  keys.OnKey(keys::kEnter, 0);
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Confirmed);
}

}  // namespace
}  // namespace tavlo
