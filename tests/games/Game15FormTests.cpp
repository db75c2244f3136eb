#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/Game15Form.h"
#include "games/Game15Placement.h"
#include "platform/InputEvent.h"
#include "profiles/DialogKeys.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

using State = Game15State;

// The list in word order: the first round is ant, bee, cat, dog.
const std::vector<std::string> kWords = {"ant", "bee", "cat", "dog", "eel", "fox", "gnu", "hen"};
constexpr int kSpeech = 500;
constexpr int kCorrectSound = 300;
constexpr int kWrongSound = 400;
// Past the half second after which the game's loop starts.
constexpr int kLoopStarted = 520;
constexpr int kFrame = 17;

class Game15FormTests : public testing::GameTest<Game15Form> {
 protected:
  Game15FormTests() {
    for (const auto& word : kWords) platform.Sound.SetLength(word + ".wav", kSpeech);
    for (int k = 0; k < 4; ++k) {
      platform.Sound.SetLength("correct" + std::to_string(k) + ".wav", kCorrectSound);
    }
    platform.Sound.SetLength("wrong0.wav", kWrongSound);
  }

  // Opens the game with the words and lets its loop start.
  Game15Form& Open(const std::vector<std::string>& words = kWords,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    std::vector<testing::TableRow> rows;
    for (const auto& word : words) {
      rows.push_back({{"Word", word}, {"Image", word + ".png"}, {"Sound", word + ".wav"}});
    }
    OpenGame(rows, configure);
    if (Game().IsLoaded()) Play(kLoopStarted);
    return Game();
  }

  // Opens the game again from the main menu, with the same words.
  Game15Form& Reopen() {
    menu.OpenGame(Game15Form::kGameNumber - 1);
    if (Game().IsLoaded()) Play(kLoopStarted);
    return Game();
  }

  // The game's loop runs on the fake clock for that long.
  void Play(int milliseconds) { Game().RunGameLoop(milliseconds); }

  // Plays frame by frame until the game is in the state; false when it did
  // not come within the time.
  bool PlayUntil(State wanted, int most_milliseconds = 15000) {
    for (int played = 0; played < most_milliseconds; played += kFrame) {
      if (Game().GameState() == wanted) return true;
      Play(kFrame);
    }
    return Game().GameState() == wanted;
  }

  // Lines the labels up on the animal's way to the right, in their order,
  // and lets the animal set off.
  void LabelsInARowAhead() {
    SpriteClass& animal = Game().Animal();
    for (int i = 0; i < Game15Form::kItemCount; ++i) {
      SpriteClass& label = Game().Labels()[static_cast<size_t>(i)];
      label.X = animal.Right() + 20 + 95 * i;
      label.Y = animal.Y + 10;
    }
  }

  void HideLabels() {
    for (auto& label : Game().Labels()) label.Visible = false;
  }

  void HoldKey(int key_code) {
    InputEvent down{EventType::KeyDown};
    down.KeyCode = key_code;
    platform.PushEvent(down);
  }

  // Pixels the animal travels to the right in the given time, running free.
  double TravelRight(int milliseconds) {
    const double start = Game().Animal().X;
    Play(milliseconds);
    return Game().Animal().X - start;
  }
};

TEST_F(Game15FormTests, ARoundShowsFourWordsAndStartsTheAnimalInTheMiddleFacingRight) {
  Open();
  ASSERT_TRUE(Game().IsLoaded());
  std::vector<std::string> texts;
  for (const auto& label : Game().Labels()) texts.push_back(label.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"ant", "bee", "cat", "dog"}));
  const SpriteClass& animal = Game().Animal();
  EXPECT_EQ(animal.Right(), 400);
  EXPECT_EQ(animal.MiddleY(), 300);
  EXPECT_EQ(Game().Direction(), Heading::Right);
  EXPECT_EQ(animal.Frame, 0);
  for (int i = 0; i < Game15Form::kItemCount; ++i) {
    EXPECT_EQ(Game().Pictures()[static_cast<size_t>(i)].X, 140 + 120 * i);
  }
  // The first word is said, and the animal waits three seconds after it.
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ant.wav");
  EXPECT_EQ(Game().GameState(), State::Announce);
  Play(kSpeech + 3000 - kLoopStarted - 2 * kFrame);
  EXPECT_EQ(Game().GameState(), State::Announce);
  EXPECT_TRUE(PlayUntil(State::Running, 4 * kFrame));
}

TEST_F(Game15FormTests, TheWordsInOrderWinTheRoundWithAPauseAfterEach) {
  Open();
  ASSERT_TRUE(PlayUntil(State::Running));
  LabelsInARowAhead();
  std::vector<State> seen{Game().GameState()};
  std::vector<int> targets;
  for (int played = 0; played < 20000 && Game().GameState() != State::Announce; played += kFrame) {
    Play(kFrame);
    if (Game().GameState() != seen.back()) {
      seen.push_back(Game().GameState());
      targets.push_back(Game().TargetIndex());
    }
  }
  EXPECT_EQ(seen, (std::vector<State>{State::Running, State::Pause, State::Running, State::Pause,
                                      State::Running, State::Pause, State::Running, State::Won,
                                      State::Reward, State::Announce}));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Counts().WrongCount, 0);
  // The next round: the list moved on by the four words and one more.
  EXPECT_EQ(Game().TargetIndex(), 0);
  EXPECT_EQ(Game().Labels()[0].Text, "fox");
  for (const auto& label : Game().Labels()) EXPECT_TRUE(label.Visible);
}

TEST_F(Game15FormTests, AfterARightLabelTheAnimalStandsAndHitsNothingUntilThePauseEnds) {
  Open();
  ASSERT_TRUE(PlayUntil(State::Running));
  LabelsInARowAhead();
  ASSERT_TRUE(PlayUntil(State::Pause, 2000));
  EXPECT_FALSE(Game().Labels()[0].Visible);
  EXPECT_EQ(Game().TargetIndex(), 1);
  const std::string correct = platform.Sound.WaveNames().back();
  EXPECT_EQ(correct.substr(0, 7), "correct");

  // A wrong label under the standing animal counts for nothing while it stands.
  SpriteClass& wrong = Game().Labels()[3];
  wrong.X = Game().Animal().X;
  wrong.Y = Game().Animal().Y;
  const double standing_at = Game().Animal().X;
  Play(kCorrectSound + 1000 - 3 * kFrame);
  EXPECT_EQ(Game().GameState(), State::Pause);
  EXPECT_EQ(Game().Animal().X, standing_at);
  EXPECT_EQ(Counts().WrongCount, 0);

  // Running again, the next word is said, and the label now counts.
  ASSERT_TRUE(PlayUntil(State::Wrong, 6 * kFrame));
  const auto names = platform.Sound.WaveNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "bee.wav"), names.end());
  ASSERT_TRUE(PlayUntil(State::Falling, 2000));
  EXPECT_EQ(Counts().WrongCount, 1);
}

TEST_F(Game15FormTests, AWrongLabelCrashesTheAnimalWhichFallsOutBeforeTheNextRound) {
  Open();
  ASSERT_TRUE(PlayUntil(State::Running));
  // The second word's label lies in the way of the first.
  SpriteClass& second = Game().Labels()[1];
  second.X = Game().Animal().Right() + 10;
  second.Y = Game().Animal().Y;
  ASSERT_TRUE(PlayUntil(State::Wrong, 1000));
  Play(kFrame);
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Counts().CorrectCount, 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "wrong0.wav");

  ASSERT_TRUE(PlayUntil(State::Falling, kWrongSound + 2 * kFrame));
  EXPECT_EQ(Game().Direction(), Heading::Crashed);
  EXPECT_EQ(Game().Animal().Frame, 2);
  // It falls at its speed and 125 pixels a second more, out of the field.
  const double top = Game().Animal().Y;
  Play(1000);
  EXPECT_NEAR(Game().Animal().Y - top, 75 + 125, 200 * kFrame / 1000.0 + 1);
  while (Game().Animal().Top() < 601) Play(kFrame);
  Play(2000 - 2 * kFrame);
  EXPECT_EQ(Game().GameState(), State::Falling);
  ASSERT_TRUE(PlayUntil(State::Announce, 4 * kFrame));
  EXPECT_EQ(Game().Labels()[0].Text, "eel");
  EXPECT_EQ(Counts().WrongCount, 1);
}

TEST_F(Game15FormTests, TheEdgesOfTheFieldAndTheTopBarAreWrong) {
  struct Case {
    int Key;
    const char* Edge;
  };
  Open();
  for (const Case& edge : {Case{keys::kUp, "top bar"}, Case{keys::kRight, "right"},
                           Case{keys::kDown, "bottom"}, Case{keys::kLeft, "left"}}) {
    SCOPED_TRACE(edge.Edge);
    if (!Game().IsLoaded()) Reopen();
    ASSERT_TRUE(PlayUntil(State::Running));
    HideLabels();
    Press(edge.Key);
    ASSERT_TRUE(PlayUntil(State::Wrong, 8000));
    const SpriteClass& animal = Game().Animal();
    const bool out = animal.Top() < 100 || animal.Left() < 0 || animal.Right() > 800 ||
                     animal.Bottom() > 600;
    EXPECT_TRUE(out);
    // Only just out: the step before it was still inside.
    EXPECT_TRUE(animal.Top() >= 100 - 3 && animal.Left() >= -3 && animal.Right() <= 803 &&
                animal.Bottom() <= 603);
    Play(kFrame);
    EXPECT_EQ(Counts().WrongCount, 1);
    Press(keys::kEscape);
    ASSERT_FALSE(Game().IsLoaded());
    state.Profiles.Games[Game15Form::kGameNumber - 1].WrongCount = 0;
  }
}

TEST_F(Game15FormTests, TheSpeedComesFromTheProfileAndDoublesWhileHeld) {
  struct Case {
    int Setting;
    bool Fast;
    double PixelsPerSecond;
  };
  Open();
  Press(keys::kEscape);
  for (const Case& speed : {Case{50, false, 50}, Case{75, false, 75}, Case{100, false, 100},
                            Case{100, true, 200}, Case{50, true, 100}, Case{60, false, 75}}) {
    SCOPED_TRACE(std::to_string(speed.Setting) + (speed.Fast ? " fast" : ""));
    state.Profiles.SetGame15Setting(speed.Setting);
    Reopen();
    ASSERT_TRUE(PlayUntil(State::Running));
    HideLabels();
    if (speed.Fast) {
      HoldKey(keys::kEnter);
      Play(kFrame);
      EXPECT_TRUE(Game().Fast());
    }
    // Within one frame's travel: the last frame of the second is still to come.
    EXPECT_NEAR(TravelRight(1000), speed.PixelsPerSecond,
                speed.PixelsPerSecond * (kFrame + 1) / 1000.0);
    Press(keys::kEscape);
  }
}

TEST_F(Game15FormTests, TheAnimalCoversTheSameGroundAtAnyFrameRate) {
  Open();
  Press(keys::kEscape);
  for (const int present_milliseconds : {0, 10, 30, 60}) {
    SCOPED_TRACE(present_milliseconds);
    Reopen();
    ASSERT_TRUE(PlayUntil(State::Running));
    HideLabels();
    platform.PresentMilliseconds = present_milliseconds;
    const int presents = platform.Presents;
    EXPECT_NEAR(TravelRight(2000), 150, 75 * 0.07);
    // At full pace one frame a display frame, no more; slower machines fewer.
    const int frames = platform.Presents - presents;
    EXPECT_LE(frames, 121);
    EXPECT_GE(frames, 2000 / std::max(present_milliseconds, 17) - 2);
    platform.PresentMilliseconds = 0;
    Press(keys::kEscape);
  }
}

TEST_F(Game15FormTests, KeysAndMouseSteerOnlyWhileTheAnimalRuns) {
  Open();
  // Before the animal runs, steering does nothing.
  Press(keys::kUp);
  Press(keys::kSpace);
  Click(400, 400);
  EXPECT_EQ(Game().Direction(), Heading::Right);

  ASSERT_TRUE(PlayUntil(State::Running));
  HideLabels();
  Press(keys::kSpace);
  EXPECT_EQ(Game().Direction(), Heading::Down);
  Click(400, 400);
  EXPECT_EQ(Game().Direction(), Heading::Left);
  EXPECT_EQ(Game().Animal().Frame, 1);
  Press(keys::kSpace);
  Press(keys::kSpace);
  EXPECT_EQ(Game().Direction(), Heading::Right);
  EXPECT_EQ(Game().Animal().Frame, 0);
  Press(keys::kUp);
  EXPECT_EQ(Game().Animal().SpeedY, -75);

  // The right button held speeds the animal up; let go, it slows down.
  InputEvent down{EventType::MouseDown};
  down.Button = mouse_buttons::kRight;
  down.X = 300;
  down.Y = 500;
  platform.PushEvent(down);
  Play(kFrame);
  EXPECT_EQ(Game().Animal().SpeedY, -150);
  InputEvent up = down;
  up.Type = EventType::MouseUp;
  platform.PushEvent(up);
  Play(kFrame);
  EXPECT_EQ(Game().Animal().SpeedY, -75);
}

TEST_F(Game15FormTests, F3PausesTheAnimalAndTheScreenUntilPressedAgain) {
  Open();
  ASSERT_TRUE(PlayUntil(State::Running));
  HideLabels();
  Press(keys::F(3));
  ASSERT_TRUE(Game().Paused());
  const int presents = platform.Presents;
  EXPECT_EQ(TravelRight(2000), 0);
  EXPECT_EQ(platform.Presents, presents);
  platform.PushKey(keys::F(3));
  EXPECT_NEAR(TravelRight(1000), 75, 75 * 2 * kFrame / 1000.0);
  EXPECT_FALSE(Game().Paused());
}

TEST_F(Game15FormTests, WithOneSwitchTheStopButtonIsOfferedAtTheStartOfARound) {
  const auto one_switch = [](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
  };
  // Enter while the stop button is offered leaves the game.
  Open(kWords, one_switch);
  ASSERT_TRUE(state.Profiles.OneKeyMode);
  EXPECT_TRUE(Game().StopHighlighted());
  Press(keys::kEnter);
  EXPECT_FALSE(Game().IsLoaded());

  // After one scanning interval the offer is gone, and Enter is the steering
  // switch: it turns the animal.
  Reopen();
  Play(2000);
  EXPECT_FALSE(Game().StopHighlighted());
  ASSERT_TRUE(PlayUntil(State::Running));
  HideLabels();
  Press(keys::kEnter);
  EXPECT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Game().Direction(), Heading::Down);
  EXPECT_FALSE(Game().Fast());

  // Any key ends the offer too.
  Press(keys::kEscape);
  Reopen();
  ASSERT_TRUE(Game().StopHighlighted());
  Press(keys::F(2));
  EXPECT_FALSE(Game().StopHighlighted());
}

TEST_F(Game15FormTests, TextSizeKeysStayWithinSixToThirtyTwoAndPlaceTheLabelsAgain) {
  struct Case {
    int StartSize;
    int Key;
    int Size;
  };
  Open();
  for (const Case& change : {Case{7, keys::F(5), 6}, Case{6, keys::F(5), 6},
                             Case{32, keys::F(6), 32}, Case{31, keys::F(6), 32},
                             Case{12, keys::F(7), 25}, Case{12, keys::F(8), 25}}) {
    SCOPED_TRACE(change.StartSize);
    state.gFontSize = static_cast<std::int16_t>(change.StartSize);
    Press(change.Key);
    EXPECT_EQ(state.gFontSize, change.Size);
    EXPECT_EQ(state.Profiles.GetFontSize("Game15"), change.Size);
  }
  EXPECT_EQ(state.gFontName, "Arial");
  const int small_height = Game().Labels()[0].Height;
  state.gFontSize = 31;
  Press(keys::F(6));
  EXPECT_GT(Game().Labels()[0].Height, small_height);
  for (const auto& label : Game().Labels()) {
    EXPECT_GE(label.Top(), 100);
    EXPECT_LE(label.Bottom(), 600);
  }
}

TEST_F(Game15FormTests, AShortListRepeatsItsWordsAndAnyLabelOfTheWantedWordIsRight) {
  Open({"ant"});
  for (const auto& label : Game().Labels()) EXPECT_EQ(label.Text, "ant");
  ASSERT_TRUE(PlayUntil(State::Running));
  SpriteClass& third = Game().Labels()[2];
  third.X = Game().Animal().Right() + 10;
  third.Y = Game().Animal().Y;
  ASSERT_TRUE(PlayUntil(State::Pause, 1000));
  EXPECT_EQ(Game().TargetIndex(), 1);
  EXPECT_EQ(Counts().WrongCount, 0);
  const int hidden = static_cast<int>(
      std::count_if(Game().Labels().begin(), Game().Labels().end(),
                    [](const SpriteClass& label) { return !label.Visible; }));
  EXPECT_EQ(hidden, 1);
}

TEST_F(Game15FormTests, NextAndPageDownStartANewRoundAndStopAndEscapeLeave) {
  Open();
  Press(keys::kPageDown);
  EXPECT_EQ(Game().Labels()[0].Text, "fox");
  EXPECT_EQ(Game().GameState(), State::Announce);
  Click(Game().gNextButton);
  EXPECT_EQ(Game().Labels()[0].Text, "cat");
  ASSERT_TRUE(PlayUntil(State::Running));

  // The stop button ends the loop, which leaves the game.
  platform.PushClick(nint(Game().gStopButton.MiddleX()), nint(Game().gStopButton.MiddleY()));
  Play(1000);
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
}

TEST_F(Game15FormTests, OptionsConfirmedWithF1SetTheGameUpAgainAtTheNewSpeed) {
  Open();
  ASSERT_TRUE(PlayUntil(State::Running));
  platform.OnDialog = [](ModalDialog& dialog) {
    // The fastest speed, then OK: the focus visits the list, random order and
    // the three speeds before the buttons.
    for (int i = 0; i < 4; ++i) dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);
    dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);
  };
  Press(keys::F(1));
  EXPECT_EQ(state.gDialogResult, 1);
  EXPECT_EQ(state.Profiles.GetGame15Setting(), 100);
  EXPECT_EQ(Game().Speed(), 100);
  EXPECT_EQ(Game().GameState(), State::Announce);
  EXPECT_EQ(Game().Labels()[0].Text, "ant");
  EXPECT_FALSE(Game().Paused());

  // A cancelled font dialog leaves the game as it was, not paused.
  ASSERT_TRUE(PlayUntil(State::Running));
  platform.OnDialog = nullptr;
  Press(keys::F(9));
  EXPECT_EQ(Game().GameState(), State::Running);
  EXPECT_FALSE(Game().Paused());
}

TEST_F(Game15FormTests, WithoutAnyAnimalTheGameSaysSoAndReturnsToTheMenu) {
  for (const auto& entry :
       std::filesystem::directory_iterator(program.Path() / "gfx/game15/animals")) {
    if (entry.path().filename().string().find("0.gif") != std::string::npos) {
      std::filesystem::remove(entry.path());
    }
  }
  Open();
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_EQ(app.FrontForm(), &menu);
  ASSERT_FALSE(platform.Messages.empty());
  EXPECT_NE(platform.Messages.back().Text.find("animals"), std::string::npos);
}

TEST_F(Game15FormTests, EachRoundPicksOneOfTheAnimalsAtRandom) {
  FixedRandomSeed seed(15);
  Open();
  std::set<std::string> animals;
  for (int round = 0; round < 30; ++round) {
    animals.insert(Game().AnimalName());
    Press(keys::kPageDown);
  }
  EXPECT_EQ(animals, (std::set<std::string>{"hedgehog", "mouse", "tortoise"}));
}

}  // namespace
}  // namespace tavlo
