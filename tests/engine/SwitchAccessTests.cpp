// The access settings at work in the application: switches plugged in as
// joystick buttons, mouse buttons or other keys, the acceptance time, and the
// one-switch timer's pauses, first-item delay and rounds, on the fake clock.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/AccessSettings.h"
#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/MilliTimer.h"
#include "engine/ScanTimer.h"
#include "engine/SpriteClass.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

// A screen of three items that scans by itself and notes, in milliseconds
// from the test's start, when each step and selection happened.
class ScanningForm : public Form {
 public:
  explicit ScanningForm(Application& app)
      : Form(app), Timer(*this, Switches, [this] { Step(); }) {
    for (int i = 0; i < 3; ++i) {
      items[i].X = 100 * (i + 1);
      items[i].Width = 50;
      items[i].Height = 50;
      Switches.Add(items[i], i == 1 ? "second.wav" : "");
    }
    Switches.Init(*this);
  }

  void Form_KeyDown(int key_code, int) override {
    Keys.push_back(key_code);
    if (key_code == keys::kSpace) Step();
    if (key_code == keys::kEnter) Selections.push_back(Now());
    if (key_code == keys::kEscape) Unload();
  }
  void Form_MouseDown(int button, int, int, int) override { Clicks.push_back(button); }

  std::int64_t Now() const { return MilliTimer64() - Start; }
  void Step() {
    Switches.NextSwitch();
    Steps.push_back({Now(), Switches.GetIndex()});
  }

  SpriteClass items[3];
  KeySwitchClass Switches;
  ScanTimer Timer;
  std::int64_t Start = MilliTimer64();
  std::vector<int> Keys;
  std::vector<int> Clicks;
  std::vector<std::int64_t> Selections;
  std::vector<std::pair<std::int64_t, int>> Steps;
};

class SwitchAccessTests : public ::testing::Test {
 protected:
  SwitchAccessTests() : app(platform, fonts) {
    app.UseAccessSettings(access);
    form.emplace(app);
    app.Show(*form);
    form->Start = MilliTimer64();
  }

  // One-switch scanning at the given step time, from now.
  void ScanEvery(int milliseconds) {
    form->Timer.SetInterval(milliseconds);
    form->Timer.SetEnabled(true);
  }
  void RunFor(int milliseconds) { testing::RunFor(app, platform, milliseconds); }
  void Push(int key_code) {
    platform.PushKey(key_code);
    app.DoEvents();
  }
  std::vector<std::int64_t> StepTimes() const {
    std::vector<std::int64_t> times;
    for (const auto& [time, index] : form->Steps) times.push_back(time);
    return times;
  }

  testing::FakePlatform platform;
  ClockSource clock{platform};
  FontLibrary fonts;
  AccessSettings access;
  Application app;
  std::optional<ScanningForm> form;
};

TEST_F(SwitchAccessTests, ChosenSwitchesArriveAsSpaceAndEnterWhateverTheyAre) {
  access.Switch1 = SwitchSource::Mouse(mouse_buttons::kRight);
  access.Switch2 = SwitchSource::Joystick(3);
  platform.PushJoystickPress(3);
  platform.PushJoystickPress(1);  // no switch: no screen hears of it
  platform.PushClick(10, 10, mouse_buttons::kRight);
  platform.PushClick(10, 10, mouse_buttons::kLeft);
  platform.PushKey(keys::kSpace);  // the keyboard keeps working for a helper
  app.DoEvents();
  EXPECT_EQ(form->Keys, (std::vector<int>{keys::kEnter, keys::kSpace, keys::kSpace}));
  EXPECT_EQ(form->Clicks, (std::vector<int>{mouse_buttons::kLeft}));
  EXPECT_TRUE(platform.JoysticksWatched);

  access.Switch2 = SwitchSource::Key(keys::kEnter);
  app.DoEvents();
  EXPECT_FALSE(platform.JoysticksWatched) << "no switch is a joystick button any more";
}

TEST_F(SwitchAccessTests, APressCountsOnlyOnceHeldForTheAcceptanceTime) {
  access.Switch2 = SwitchSource::Joystick(0);
  access.AcceptMilliseconds = 500;
  const struct {
    int Held;
    bool Counts;
  } presses[] = {{0, false}, {100, false}, {495, false}, {500, true}, {1500, true}};
  for (const auto& press : presses) {
    form->Selections.clear();
    form->Start = MilliTimer64();
    platform.PushJoystickButton(0, EventType::JoystickButtonDown);
    app.DoEvents();
    RunFor(press.Held);
    platform.PushJoystickButton(0, EventType::JoystickButtonUp);
    RunFor(100);
    ASSERT_EQ(form->Selections.size(), press.Counts ? 1u : 0u) << "held " << press.Held;
    // It counts when the time is reached, not when the switch is let go.
    if (press.Counts) {
      EXPECT_EQ(form->Selections[0], 500) << "held " << press.Held;
    }
  }
}

TEST_F(SwitchAccessTests, APressAfterALostReleaseIsANewPress) {
  access.Switch2 = SwitchSource::Joystick(0);
  // The release of the first press never arrived (the window lost the focus).
  platform.PushJoystickButton(0, EventType::JoystickButtonDown);
  platform.PushJoystickButton(0, EventType::JoystickButtonDown);
  app.DoEvents();
  EXPECT_EQ(form->Keys, (std::vector<int>{keys::kEnter, keys::kEnter}));
}

TEST_F(SwitchAccessTests, APressMadeWhileTheProgramWaitsNeverCounts) {
  access.AcceptMilliseconds = 200;
  platform.PushEvent(InputEvent{EventType::KeyDown, keys::kEnter});
  app.DoEvents();
  // A sound the screen waits for starts before the press is accepted.
  app.Wait(1000);
  platform.PushEvent(InputEvent{EventType::KeyUp, keys::kEnter});
  RunFor(500);
  EXPECT_TRUE(form->Keys.empty());
  // The next press is a press again.
  platform.PushEvent(InputEvent{EventType::KeyDown, keys::kEnter});
  RunFor(300);
  EXPECT_EQ(form->Keys, (std::vector<int>{keys::kEnter}));
}

TEST_F(SwitchAccessTests, TheFirstItemOfANewSetKeepsTheHighlightLonger) {
  access.FirstItemDelayMilliseconds = 500;
  ScanEvery(1000);
  RunFor(4600);
  // Item 1 is the first reached; wrapping round to it again is no new set.
  EXPECT_EQ(form->Steps,
            (std::vector<std::pair<std::int64_t, int>>{{1000, 1}, {2500, 2}, {3500, 3}, {4500, 1}}));
  // A new set of choices earns the delay again.
  form->Switches.CleanUp();
  for (auto& item : form->items) form->Switches.Add(item);
  RunFor(2500);
  EXPECT_EQ(StepTimes(), (std::vector<std::int64_t>{1000, 2500, 3500, 4500, 5500, 7000}));
}

TEST_F(SwitchAccessTests, ASelectionPausesTheTimerAndASecondHitMeanwhileDoesNothing) {
  access.PostSelectPauseMilliseconds = 2000;
  ScanEvery(1000);
  RunFor(1200);
  Push(keys::kEnter);  // at 1200: the next step waits 1000 + 2000
  RunFor(300);
  Push(keys::kEnter);  // at 1500, within the pause: ignored
  RunFor(3000);
  EXPECT_EQ(StepTimes(), (std::vector<std::int64_t>{1000, 4200}));
  EXPECT_EQ(form->Selections, (std::vector<std::int64_t>{1200}));
  Push(keys::kEnter);  // after the pause it selects again
  EXPECT_EQ(form->Selections.size(), 2u);
}

TEST_F(SwitchAccessTests, WithoutAPauseASelectionLeavesTheTimersRhythmAlone) {
  ScanEvery(1000);
  RunFor(1500);
  Push(keys::kEnter);
  Push(keys::kEnter);
  RunFor(1600);
  EXPECT_EQ(StepTimes(), (std::vector<std::int64_t>{1000, 2000, 3000}));
  EXPECT_EQ(form->Selections.size(), 2u);
}

TEST_F(SwitchAccessTests, ScanningRestsAfterItsRoundsAndAPressOnlyWakesIt) {
  access.ScanLoops = 2;
  ScanEvery(1000);
  RunFor(10000);
  EXPECT_EQ(form->Steps.size(), 6u) << "two rounds of three items";
  EXPECT_TRUE(form->Timer.Resting());
  Push(keys::kEnter);
  EXPECT_TRUE(form->Selections.empty()) << "the press that wakes the scan selects nothing";
  EXPECT_FALSE(form->Timer.Resting());
  RunFor(1000);
  EXPECT_EQ(form->Steps.size(), 7u);
  // A press counts as the child being there: the rounds start again.
  RunFor(1500);
  Push(keys::kEnter);
  RunFor(8000);
  EXPECT_EQ(form->Selections.size(), 1u);
  EXPECT_EQ(form->Steps.size(), 14u) << "one step before the press, six after it";
  EXPECT_TRUE(form->Timer.Resting());
}

TEST_F(SwitchAccessTests, EachItemReachedSaysItsNameCuttingOffTheOneBefore) {
  platform.Sound.SetLength("second.wav", 800);
  platform.Sound.SetLength("named.wav", 800);
  platform.Sound.SetLength("game.wav", 3000);
  form->Switches.SetNamer([](const SpriteClass&) { return SpokenName{"named.wav", "", ""}; });
  ScanEvery(500);
  RunFor(1600);
  EXPECT_TRUE(platform.Sound.Waves.empty()) << "spoken scanning is off";

  access.SpeakHighlight = true;
  RunFor(1000);  // items 1 and 2: the list's name for item 2, the namer's for item 1
  EXPECT_EQ(platform.Sound.WaveNames(), (std::vector<std::string>{"named.wav", "second.wav"}));
  EXPECT_GE(platform.Sound.Waves[0].CutAt, 0) << "the name before is cut off";

  // The program's own sound is never talked over.
  platform.Sound.PlayWave("game.wav");
  app.Speech().OtherSoundStarted();
  RunFor(2000);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "game.wav");
  EXPECT_LT(platform.Sound.Waves.back().CutAt, 0);
  RunFor(1500);
  EXPECT_NE(platform.Sound.WaveNames().back(), "game.wav") << "after it, names are said again";
}

}  // namespace
}  // namespace tavlo
