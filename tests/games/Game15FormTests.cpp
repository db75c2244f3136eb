#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/Game15Form.h"
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

  // Opens the game again from the main menu, with the same words, and lets
  // the animal set off with the labels out of its way.
  void ReopenRunning() {
    menu.OpenGame(Game15Form::kGameNumber - 1);
    Play(kLoopStarted);
    ASSERT_TRUE(PlayUntil(State::Running));
    for (auto& label : Game().Labels()) label.Visible = false;
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

TEST_F(Game15FormTests, TheWordsInOrderWinTheRoundWithAPauseAfterEach) {
  Open();
  std::vector<std::string> texts;
  for (const auto& label : Game().Labels()) texts.push_back(label.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"ant", "bee", "cat", "dog"}));
  EXPECT_EQ(Game().Animal().Right(), 400);
  EXPECT_EQ(Game().Animal().MiddleY(), 300);
  EXPECT_EQ(Game().Direction(), Heading::Right);
  EXPECT_EQ(Game().Pictures()[3].X, 140 + 120 * 3);
  // The first word is said, and the animal sets off three seconds after it.
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ant.wav");
  Play(kSpeech + 3000 - kLoopStarted - 2 * kFrame);
  EXPECT_EQ(Game().GameState(), State::Announce);
  ASSERT_TRUE(PlayUntil(State::Running, 4 * kFrame));

  LabelsInARowAhead();
  std::vector<State> seen{Game().GameState()};
  for (int played = 0; played < 20000 && Game().GameState() != State::Announce; played += kFrame) {
    Play(kFrame);
    if (Game().GameState() != seen.back()) seen.push_back(Game().GameState());
  }
  EXPECT_EQ(seen, (std::vector<State>{State::Running, State::Pause, State::Running, State::Pause,
                                      State::Running, State::Pause, State::Running, State::Won,
                                      State::Reward, State::Announce}));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Counts().WrongCount, 0);
  // The next round: the list moved on by the four words and one more.
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
  EXPECT_EQ(platform.Sound.WaveNames().back().substr(0, 7), "correct");

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
}

TEST_F(Game15FormTests, AWrongLabelCrashesTheAnimalWhichFallsOutBeforeTheNextRound) {
  Open();
  ASSERT_TRUE(PlayUntil(State::Running));
  SpriteClass& second = Game().Labels()[1];
  second.X = Game().Animal().Right() + 10;
  second.Y = Game().Animal().Y;
  ASSERT_TRUE(PlayUntil(State::Falling, 2000));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Counts().CorrectCount, 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "wrong0.wav");
  EXPECT_EQ(Game().Direction(), Heading::Crashed);
  EXPECT_EQ(Game().Animal().Frame, 2);
  // It falls at its speed and 125 pixels a second more, out of the field.
  const double top = Game().Animal().Y;
  Play(1000);
  EXPECT_NEAR(Game().Animal().Y - top, 75 + 125, 200 * (kFrame + 1) / 1000.0);
  while (Game().Animal().Top() < 601) Play(kFrame);
  Play(2000 - 2 * kFrame);
  EXPECT_EQ(Game().GameState(), State::Falling);
  ASSERT_TRUE(PlayUntil(State::Announce, 4 * kFrame));
  EXPECT_EQ(Game().Labels()[0].Text, "eel");
}

TEST_F(Game15FormTests, TheEdgesOfTheFieldAndTheTopBarAreWrong) {
  Open();
  Press(keys::kEscape);
  int lost = 0;
  for (const int heading : {keys::kUp, keys::kRight, keys::kDown, keys::kLeft}) {
    SCOPED_TRACE(heading);
    ReopenRunning();
    Press(heading);
    ASSERT_TRUE(PlayUntil(State::Wrong, 8000));
    // Just out: the step before was still inside.
    const SpriteClass& animal = Game().Animal();
    const double out = std::max({100.0 - animal.Top(), -animal.X, animal.Y + 64 - 600,
                                 animal.Right() - 800});
    EXPECT_GT(out, 0);
    EXPECT_LE(out, 3);
    Play(kFrame);
    EXPECT_EQ(Counts().WrongCount, ++lost);
    Press(keys::kEscape);
  }
}

TEST_F(Game15FormTests, TheProfilesSpeedHoldsAtAnyFrameRateAndDoublesWhileHeld) {
  struct Case {
    int Setting;
    bool Fast;
    int PresentMilliseconds;
    double PixelsPerSecond;
  };
  Open();
  Press(keys::kEscape);
  for (const Case& speed : {Case{50, false, 0, 50}, Case{75, false, 0, 75},
                            Case{100, false, 0, 100}, Case{100, true, 0, 200},
                            Case{60, false, 0, 75}, Case{75, false, 10, 75},
                            Case{75, false, 30, 75}, Case{100, true, 60, 200}}) {
    SCOPED_TRACE(std::to_string(speed.Setting) + (speed.Fast ? " fast, " : ", ") +
                 std::to_string(speed.PresentMilliseconds) + " ms a frame");
    state.Profiles.SetGame15Setting(speed.Setting);
    ReopenRunning();
    if (speed.Fast) HoldKey(keys::kEnter);
    Play(kFrame);
    EXPECT_EQ(Game().Fast(), speed.Fast);
    platform.PresentMilliseconds = speed.PresentMilliseconds;
    const int presents = platform.Presents;
    // Within one frame's travel: the last frame of the time is still to come.
    const int frame = std::max(kFrame, speed.PresentMilliseconds) + 1;
    EXPECT_NEAR(TravelRight(1000), speed.PixelsPerSecond, speed.PixelsPerSecond * frame / 1000.0);
    // One picture a display frame at most; fewer where drawing takes longer.
    EXPECT_LE(platform.Presents - presents, 61);
    EXPECT_GE(platform.Presents - presents, 1000 / frame - 1);
    platform.PresentMilliseconds = 0;
    Press(keys::kEscape);
  }
}

TEST_F(Game15FormTests, KeysMouseAndF3SteerOnlyWhileTheAnimalRuns) {
  Open();
  Press(keys::kUp);
  Press(keys::kSpace);
  Click(400, 400);
  EXPECT_EQ(Game().Direction(), Heading::Right);
  Press(keys::kEscape);

  ReopenRunning();
  Press(keys::kSpace);
  EXPECT_EQ(Game().Direction(), Heading::Down);
  Click(400, 400);
  EXPECT_EQ(Game().Direction(), Heading::Left);
  EXPECT_EQ(Game().Animal().Frame, 1);
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

  // F3 stands the animal and the screen still until it is pressed again.
  Press(keys::kRight);
  Press(keys::F(3));
  const int presents = platform.Presents;
  EXPECT_EQ(TravelRight(2000), 0);
  EXPECT_EQ(platform.Presents, presents);
  platform.PushKey(keys::F(3));
  EXPECT_NEAR(TravelRight(1000), 75, 75 * 2 * kFrame / 1000.0);
}

TEST_F(Game15FormTests, WithOneSwitchTheStopButtonIsOfferedAtTheStartOfARound) {
  Open(kWords, [](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
  });
  EXPECT_TRUE(Game().StopHighlighted());
  Press(keys::kEnter);
  EXPECT_FALSE(Game().IsLoaded());

  // After one scanning interval the offer is gone, and Enter, the only
  // switch, turns the animal.
  ReopenRunning();
  EXPECT_FALSE(Game().StopHighlighted());
  Press(keys::kEnter);
  EXPECT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Game().Direction(), Heading::Down);
  EXPECT_FALSE(Game().Fast());
}

TEST_F(Game15FormTests, TextSizeKeysStayWithinSixToThirtyTwoAndPlaceTheLabelsAgain) {
  struct Case {
    int StartSize;
    int Key;
    int Size;
  };
  Open();
  // The labels are measured again at each size.
  std::map<int, int> label_heights;
  for (const Case& change : {Case{7, keys::F(5), 6}, Case{6, keys::F(5), 6},
                             Case{32, keys::F(6), 32}, Case{12, keys::F(7), 25},
                             Case{12, keys::F(8), 25}, Case{31, keys::F(6), 32}}) {
    SCOPED_TRACE(change.StartSize);
    state.gFontSize = static_cast<std::int16_t>(change.StartSize);
    Press(change.Key);
    EXPECT_EQ(state.Profiles.GetFontSize("Game15"), change.Size);
    label_heights[change.Size] = Game().Labels()[0].Height;
  }
  EXPECT_EQ(state.gFontName, "Arial");
  EXPECT_LT(label_heights[6], label_heights[25]);
  EXPECT_LT(label_heights[25], label_heights[32]);
}

TEST_F(Game15FormTests, AShortListRepeatsItsWordsAndAnyLabelOfTheWantedWordIsRight) {
  Open({"ant"});
  ASSERT_TRUE(PlayUntil(State::Running));
  SpriteClass& third = Game().Labels()[2];
  EXPECT_EQ(third.Text, "ant");
  third.X = Game().Animal().Right() + 10;
  third.Y = Game().Animal().Y;
  ASSERT_TRUE(PlayUntil(State::Pause, 1000));
  EXPECT_EQ(Game().TargetIndex(), 1);
  EXPECT_EQ(std::count_if(Game().Labels().begin(), Game().Labels().end(),
                          [](const SpriteClass& label) { return !label.Visible; }),
            1);
}

TEST_F(Game15FormTests, NextStartsARoundWithARandomAnimalAndStopLeaves) {
  FixedRandomSeed seed(15);
  Open();
  Press(keys::kPageDown);
  EXPECT_EQ(Game().Labels()[0].Text, "fox");
  std::set<std::string> animals;
  for (int round = 0; round < 30; ++round) {
    animals.insert(Game().AnimalName());
    Click(Game().gNextButton);
  }
  EXPECT_EQ(animals, (std::set<std::string>{"hedgehog", "mouse", "tortoise"}));
  EXPECT_EQ(Game().GameState(), State::Announce);

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
    // Past the list, random order and two speeds to the fastest, then OK.
    for (int i = 0; i < 4; ++i) dialog.OnKey(keys::kSpace, 0);
    dialog.OnKey(keys::kEnter, 0);
    dialog.Answer(DialogAnswer::Ok);
  };
  Press(keys::F(1));
  EXPECT_EQ(state.Profiles.GetGame15Setting(), 100);
  EXPECT_EQ(Game().Speed(), 100);
  EXPECT_EQ(Game().GameState(), State::Announce);
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
  EXPECT_NE(platform.Messages.back().Text.find("animals"), std::string::npos);
}

}  // namespace
}  // namespace tavlo
