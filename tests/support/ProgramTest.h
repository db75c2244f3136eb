#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/ProgramScreens.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "platform/Fonts.h"
#include "state/ProgramState.h"
#include "support/ProgramFolder.h"

namespace tavlo {
class SpriteClass;
}

namespace tavlo::testing {

// One row of a game table: the value of each column it names, as text. The
// word list's name is added by WriteWordList; columns left out stay NULL.
using TableRow = std::map<std::string, std::string>;

// The program's screens as start-up assembles them, except that a test may
// put a stand-in screen in place of any game.
class TestScreens : public ProgramScreens {
 public:
  using ProgramScreens::ProgramScreens;
  Form* GameScreen(int game_number) override;
  void OpenOptionsMenu() override;
  std::map<int, Form*> StandInGames;
  int OptionsMenusOpened = 0;
};

// The whole program on the fake platform, with a program folder and a data
// folder of its own: the application, the shared state, the media player and
// every screen, not yet started. Derived fixtures and tests drive it with the
// input helpers, which pass the input lock of the screens after each press.
class ProgramTest : public ProgramFolderTest {
 protected:
  ProgramTest();

  // Writes the rows as the list of that name in a game table ("Game07") of
  // the data folder's word-list file of the language, beside any lists
  // already there.
  void WriteWordList(std::string_view table, std::string_view list,
                     const std::vector<TableRow>& rows, const std::string& language = "eng");

  // Starts the program in a window with the profile as configure leaves it,
  // and shows the main menu (its title over unless asked).
  enum class Title { Over, Running };
  void StartProgram(const std::function<void(ProfileStore&)>& configure = {},
                    Title title = Title::Over);

  // Input as the user gives it. Each press is handled at once, then the clock
  // moves past the 50 ms input lock.
  void Click(int x, int y, int button = 1);
  void Click(const SpriteClass& sprite, int button = 1);
  void Press(int key_code, int shift = 0);
  // Types the characters (UTF-8) one key stroke at a time.
  void Type(std::string_view characters);
  void MoveTo(const SpriteClass& sprite);
  // Steps the scanning highlight with the step switch (Space) until it stands
  // on the sprite; false when a whole round never reached it.
  bool ScanTo(const SpriteClass& sprite, int most_steps = 40);
  // The step switch on the sprite, then the select switch (Enter).
  bool ScanAndSelect(const SpriteClass& sprite);
  // Lets time pass: timers tick, sounds end.
  void Wait(int milliseconds) { RunFor(app, platform, milliseconds); }

  // The fake audio plays only the files it knows a length of: these give the
  // right and wrong answer sounds and every reward sound of the program
  // folder their lengths in milliseconds.
  void SetFeedbackSoundLengths(int correct = 300, int wrong = 200, int reward = 1000);
  // Puts a real 85 x 85 word picture into the data folder's images under the
  // name a test's word list gives it.
  void AddWordPicture(const std::string& name);

  ClockSource clock;
  FontLibrary fonts;
  Application app;
  ProgramState state;
  MediaCommands media;
  TestScreens screens;
  MenuMainForm& menu;
};

// The middle of a sprite, where clicks and the scanning pointer land.
std::pair<int, int> MiddleOf(const SpriteClass& sprite);

}  // namespace tavlo::testing
