#include <gtest/gtest.h>

#include "platform/InputEvent.h"
#include "profiles/AccessOptionsKeys.h"
#include "profiles/AccessOptionsModel.h"
#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using Control = AccessOptionsControl;

class AccessOptionsTests : public ::testing::Test {
 protected:
  AccessOptionsTests() : texts(platform, folder.Path()), profile(platform, texts, data_path) {
    testing::WriteLines(folder / "lang/eng/defaultlist.txt", {"Everyday words"});
    texts.gLanguage = "eng";
    profile.ResetProfileOptions();
  }

  // Steps the focus to the control with the step switch, then presses the
  // select switch on it.
  void Activate(Control control) {
    for (int i = 0; i < 12 && keys.Focused() != control; ++i) keys.OnKey(keys::kSpace, 0);
    ASSERT_EQ(keys.Focused(), control);
    keys.OnKey(keys::kEnter, 0);
  }

  testing::TempFolder folder;
  std::string data_path;
  testing::FakePlatform platform;
  LanguageTexts texts;
  ProfileStore profile;
  AccessOptionsModel model{profile};
  AccessOptionsKeys keys{model};
};

TEST_F(AccessOptionsTests, ASwitchIsLearntByPressingItAndEscapeKeepsTheOldOne) {
  Activate(Control::StepSwitch);
  ASSERT_EQ(model.Learning(), SwitchRole::Step);
  // While learning, Space and Enter are the new switch, not steps.
  keys.OnKey(keys::kEnter, 0);
  EXPECT_EQ(model.Settings.Switch1, SwitchSource::Key(keys::kEnter));
  EXPECT_FALSE(model.Learning());

  Activate(Control::SelectSwitch);
  keys.OnJoystickButton(4);
  EXPECT_EQ(model.Settings.Switch2, SwitchSource::Joystick(4));

  Activate(Control::StepSwitch);
  keys.OnKey(keys::kEscape, 0);
  EXPECT_FALSE(model.Learning());
  EXPECT_EQ(model.Settings.Switch1, SwitchSource::Key(keys::kEnter));
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Open) << "Escape while learning does not cancel";
  // A joystick button outside learning changes nothing.
  keys.OnJoystickButton(2);
  EXPECT_EQ(model.Settings.Switch1, SwitchSource::Key(keys::kEnter));
}

TEST_F(AccessOptionsTests, OkIsRefusedWhileBothSwitchesAreTheSameAndStoresOtherwise) {
  Activate(Control::SpeakHighlight);
  Activate(Control::StepSwitch);
  keys.OnKey(keys::kEnter, 0);  // the select switch's key as well
  keys.Confirm();
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Open);
  EXPECT_TRUE(model.SameSwitches());
  EXPECT_EQ(profile.Access, AccessSettings{}) << "nothing stored";

  Activate(Control::SelectSwitch);
  keys.OnJoystickButton(0);
  keys.Confirm();
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Confirmed);
  EXPECT_TRUE(profile.Access.SpeakHighlight);
  EXPECT_EQ(profile.Access.Switch1, SwitchSource::Key(keys::kEnter));
  EXPECT_EQ(profile.Access.Switch2, SwitchSource::Joystick(0));
}

TEST_F(AccessOptionsTests, TimesAndRoundsStepThroughTheirChoicesAndWrapToTheFirst) {
  struct Case {
    Control Stepped;
    int AccessSettings::*Value;
    int Before;
    int After;
  };
  const Case cases[] = {
      {Control::Accept, &AccessSettings::AcceptMilliseconds, 0, 100},
      {Control::Accept, &AccessSettings::AcceptMilliseconds, 250, 300},  // from a hand-edited file
      {Control::Accept, &AccessSettings::AcceptMilliseconds, 3000, 0},
      {Control::PostSelectPause, &AccessSettings::PostSelectPauseMilliseconds, 500, 1000},
      {Control::PostSelectPause, &AccessSettings::PostSelectPauseMilliseconds, 10000, 0},
      {Control::FirstItemDelay, &AccessSettings::FirstItemDelayMilliseconds, 0, 250},
      {Control::ScanLoops, &AccessSettings::ScanLoops, 0, 1},
      {Control::ScanLoops, &AccessSettings::ScanLoops, 10, 0},
      {Control::ScanLoops, &AccessSettings::ScanLoops, 20, 0},
  };
  for (const Case& test : cases) {
    model.Settings.*test.Value = test.Before;
    Activate(test.Stepped);
    EXPECT_EQ(model.Settings.*test.Value, test.After) << test.Before;
  }
  EXPECT_EQ(AccessOptionsModel::ChoiceIndex(250, AccessOptionsModel::kAcceptChoices), 2);
  EXPECT_EQ(AccessOptionsModel::ChoiceIndex(99999, AccessOptionsModel::kAcceptChoices), 9);
}

}  // namespace
}  // namespace tavlo
