// A child with one switch plays a game from the main menu: the access
// settings at work through the frame, with no code of the game's own.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "games/ChoiceRecording.h"
#include "games/Game01Form.h"
#include "games/Game04Form.h"
#include "support/TempFolder.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

constexpr int kSwitchButton = 0;

class SwitchAccessGameTests : public testing::GameTest<Game01Form> {
 protected:
  SwitchAccessGameTests() {
    SetFeedbackSoundLengths();
    for (const char* name : {"Game01data-0.wav", "Game01data-1.wav", "games-0.wav", "menu-28.wav",
                             "menu-29.wav", "menu-30.wav"}) {
      platform.Sound.SetLength(name, 400);
    }
  }

  // Every word wants "an", so that the same choice is always right.
  Game01Form& Open(const std::function<void(ProfileStore&)>& configure) {
    std::vector<testing::TableRow> rows;
    for (const char* word : {"apple", "egg", "ant", "owl", "orange"}) {
      rows.push_back({{"Word", word}, {"Image", "x.png"}, {"Sound", std::string(word) + ".wav"},
                      {"Correct0", "0"}, {"Correct1", "1"}});
    }
    WriteWordList(GameIdOf(Game01Form::kGameNumber), kDefaultList, rows);
    StartProgram(configure);
    return Game();
  }

  bool HighlightOn(const SpriteClass& sprite) const {
    return !platform.Warps.empty() && platform.Warps.back() == testing::MiddleOf(sprite);
  }

  // Waits, as the child does, for the scan to reach the sprite, then holds
  // the joystick button long enough to count; false when the scan never
  // reached it within the time.
  bool PressSwitchOn(const SpriteClass& sprite, int hold = 600, int most_milliseconds = 60'000) {
    for (int waited = 0; waited < most_milliseconds; waited += 100) {
      if (HighlightOn(sprite)) {
        platform.PushJoystickButton(kSwitchButton, EventType::JoystickButtonDown);
        Wait(hold);
        platform.PushJoystickButton(kSwitchButton, EventType::JoystickButtonUp);
        Wait(100);
        return true;
      }
      Wait(100);
    }
    return false;
  }

  std::size_t TimesSaid(const std::string& name) const {
    const auto names = platform.Sound.WaveNames();
    return static_cast<std::size_t>(std::count(names.begin(), names.end(), name));
  }
};

TEST_F(SwitchAccessGameTests, OneGamepadButtonPlaysGameOneFromTheMenuAndLeavesByTheStopButton) {
  Open([](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 2;
    profile.Access.Switch2 = SwitchSource::Joystick(kSwitchButton);
    profile.Access.SpeakHighlight = true;
    profile.Access.AcceptMilliseconds = 500;
    profile.Access.PostSelectPauseMilliseconds = 1000;
    profile.Access.ScanFrameButtons = true;
  });
  // A tremor is no press: the game does not open.
  ASSERT_TRUE(PressSwitchOn(menu.GameButtons()[0], 200));
  EXPECT_TRUE(platform.JoysticksWatched);
  EXPECT_FALSE(Game().IsLoaded());
  ASSERT_TRUE(PressSwitchOn(menu.GameButtons()[0]));
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_GE(TimesSaid("games-0.wav"), 1u);

  const SpriteClass& an_button = Game().Buttons()[1];
  // Five answers: the fifth word is on the next picture, whose round is
  // again the two choices and the three frame buttons.
  constexpr int kLongestRound = 5 * 2000 + 1000 + 500;
  for (int answer = 1; answer <= 5; ++answer) {
    ASSERT_TRUE(PressSwitchOn(an_button, 600, kLongestRound)) << answer;
    Wait(3000);
    EXPECT_EQ(Counts().CorrectCount, answer);
    EXPECT_EQ(Counts().WrongCount, 0);
  }
  // Each choice was heard as the highlight reached it.
  EXPECT_GE(TimesSaid("Game01data-0.wav"), 5u);
  EXPECT_GE(TimesSaid("Game01data-1.wav"), 5u);

  // The new picture's round: a, an and the three frame buttons, no more.
  int steps = 0;
  const std::size_t warps = platform.Warps.size();
  while (!HighlightOn(Game().gStopButton) && steps < 20) {
    Wait(2000);
    ++steps;
  }
  const std::size_t round_start = platform.Warps.size();
  do {
    Wait(2000);
  } while (!HighlightOn(Game().gStopButton) && platform.Warps.size() < round_start + 20);
  EXPECT_GT(round_start, warps);
  EXPECT_EQ(platform.Warps.size() - round_start, 5u);

  // The frame's buttons end every round, each saying its name; the stop
  // button leaves.
  ASSERT_TRUE(PressSwitchOn(Game().gStopButton, 600, kLongestRound));
  EXPECT_FALSE(Game().IsLoaded());
  EXPECT_TRUE(menu.IsLoaded());
  EXPECT_GE(TimesSaid("menu-28.wav"), 1u);
  EXPECT_GE(TimesSaid("menu-29.wav"), 1u);
  EXPECT_GE(TimesSaid("menu-30.wav"), 1u);
}

TEST_F(SwitchAccessGameTests, WithoutScanFrameButtonsTheRoundIsTheChoicesAlone) {
  Open([](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 1;
  });
  ASSERT_TRUE(ScanAndSelect(menu.GameButtons()[0]));
  ASSERT_TRUE(Game().IsLoaded());
  std::vector<std::pair<int, int>> reached;
  for (int i = 0; i < 6; ++i) {
    Wait(1000);
    reached.push_back(platform.Warps.back());
  }
  for (const SpriteClass* frame_button :
       {&Game().gStopButton, &Game().gListenButton, &Game().gNextButton}) {
    EXPECT_EQ(std::count(reached.begin(), reached.end(), testing::MiddleOf(*frame_button)), 0);
  }
}

TEST_F(SwitchAccessGameTests, AChoiceIsNamedByItsAnswersItsWordsOrItsTextsRecordingAndItsText) {
  StartProgram();
  state.Texts.gGameData = {"a", "an"};
  for (const char* name : {"cat.wav", "the-cat-sat.wav"}) {
    testing::WriteLines(state.SpeechFile(name), {"RIFF"});
  }
  struct Case {
    std::string Label;
    std::string Text;
    std::string Recording;
    // What generated speech says where the recording cannot be played.
    std::string Said;
  };
  const Case cases[] = {
      {"an", "", "lang/eng/spoken/Game01data-1.wav", "an"},  // a fixed answer
      {"", "a", "lang/eng/spoken/Game01data-0.wav", "a"},
      {"apple.wav", "apple", state.SpeechFile("apple.wav"), "apple"},  // the word's own recording
      {"", "cat", state.SpeechFile("cat.wav"), "cat"},                 // named after its text
      {"", "The cat sat.", state.SpeechFile("the-cat-sat.wav"), "The cat sat."},
      {"A dog ran.", "", "", "A dog ran."},  // no recording: its text alone
      {"pear.OGG", "", "", ""},              // a picture's sound file is no text
      {"../../secret.wav", "", "", ""},      // never outside the data folder
  };
  for (const Case& test : cases) {
    SpriteClass choice;
    choice.Label = test.Label;
    choice.Text = test.Text;
    const SpokenName name = ChoiceName(state, "Game01", choice);
    EXPECT_EQ(name.Recording, test.Recording) << test.Label << test.Text;
    EXPECT_EQ(name.Text, test.Said) << test.Label << test.Text;
    EXPECT_EQ(name.Voice, "en-gb");
  }
}

// A choice the highlight reaches is named by its recording where one can be
// played, else by its text in the voice of the program's language.
struct SpokenChoiceCase {
  std::string Language;
  // The choice's recording: none, one the sound output can play, or a file
  // it cannot play.
  enum class Recording { None, Playable, Unplayable } Recorded;
  std::string Wave;
  std::string Text;
  std::string Voice;
};

class SpokenChoiceTests : public testing::GameTest<Game04Form>,
                          public ::testing::WithParamInterface<SpokenChoiceCase> {};

TEST_P(SpokenChoiceTests, TheHighlightedChoiceSaysItsRecordingOrElseItsText) {
  const SpokenChoiceCase& test = GetParam();
  testing::WriteLines(program / "lang" / "lang.txt", {test.Language});
  std::vector<testing::TableRow> rows;
  // In word order the cat's sentences are the first pair the scan reaches.
  for (const std::string word : {"cat", "dog", "eel", "fox"}) {
    rows.push_back({{"Word", word}, {"Image", word + ".png"}, {"SentenceA", "A " + word + " sat."},
                    {"SentenceB", "No " + word + "."}, {"Correct", "0"}});
  }
  // The language's own word lists, whose default list has a name of its language.
  WriteWordList(GameIdOf(kNumber), test.Language == "den" ? "Hverdagsord" : kDefaultList, rows,
                test.Language);
  OpenGameWithWordsWritten([&](ProfileStore& profile) {
    profile.Access.SpeakHighlight = true;
    if (test.Recorded == SpokenChoiceCase::Recording::None) return;
    testing::WriteLines(state.SpeechFile("a-cat-sat.wav"), {"RIFF"});
    if (test.Recorded == SpokenChoiceCase::Recording::Playable) {
      platform.Sound.SetLength("a-cat-sat.wav", 900);
    }
  });
  ASSERT_TRUE(Game().IsLoaded());
  const auto& buttons = Game().SentenceButtons();
  const auto cat = std::find_if(buttons.begin(), buttons.end(),
                                [](const SpriteClass& button) { return button.Label == "A cat sat."; });
  ASSERT_NE(cat, buttons.end());
  ASSERT_TRUE(ScanTo(*cat));

  ASSERT_FALSE(platform.Sound.Waves.empty());
  const testing::PlayedWave& said = platform.Sound.Waves.back();
  EXPECT_EQ(said.File.filename().string(), test.Wave);
  EXPECT_EQ(said.Text, test.Text);
  EXPECT_EQ(said.Voice, test.Voice);
  // The next choice, which has no recording, cuts it off with its text.
  const std::size_t cat_name = platform.Sound.Waves.size() - 1;
  Press(keys::kSpace);
  EXPECT_GE(platform.Sound.Waves[cat_name].CutAt, 0);
  EXPECT_EQ(platform.Sound.Waves.back().Text, "No cat.");
}

using Recording = SpokenChoiceCase::Recording;
INSTANTIATE_TEST_SUITE_P(
    Cases, SpokenChoiceTests,
    ::testing::Values(SpokenChoiceCase{"eng", Recording::Playable, "a-cat-sat.wav", "", ""},
                      SpokenChoiceCase{"eng", Recording::None, "", "A cat sat.", "en-gb"},
                      SpokenChoiceCase{"eng", Recording::Unplayable, "", "A cat sat.", "en-gb"},
                      SpokenChoiceCase{"den", Recording::None, "", "A cat sat.", "da"}));

}  // namespace
}  // namespace tavlo
