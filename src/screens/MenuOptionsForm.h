#pragma once

#include <array>

#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/ScanTimer.h"
#include "engine/SpriteClass.h"
#include "engine/Timer.h"
#include "state/GameNumbers.h"
#include "state/ProgramState.h"

namespace tavlo {

class ScreenNavigator;

// The buttons of the options menu's top row, in their order on screen.
enum class OptionsButton {
  Stop,
  Profile,
  Statistics,
  Music,
  Sound,
  TwoSwitches,
  OneSwitch,
  ScanTime,
  Help,
  About,
  // The switches, the acceptance time and the pauses of scanning.
  Access,
};
inline constexpr int kOptionsButtonCount = 11;

// The settings screen of the current profile: a row of buttons for the
// profile dialog, the statistics, the sound and switch settings, help and
// about, and the access dialog, and the fifteen games with the star that shows each on the main
// menu. A game's icon opens its option dialog. Changes act at once; the
// profile is saved when the screen is left and before the profile dialog
// opens. It scans like every screen, by itself in one-switch mode.
class MenuOptionsForm : public Form {
 public:
  MenuOptionsForm(Application& app, ProgramState& state, ScreenNavigator& navigator);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_GotFocus() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  // Closing the window leaves the screen as its stop button does.
  void Form_CloseRequested() override { LeaveScreen(); }

  // Draws the whole screen, highlighting whatever lies under (x, y).
  void DrawScreen(int x, int y);
  // Saves the profile and closes the screen.
  void LeaveScreen();

  // What tests and benchmarks look at.
  const SpriteClass& Button(OptionsButton button) const {
    return buttons_[static_cast<size_t>(button)];
  }
  const std::array<SpriteClass, kGameCount>& GameIcons() const { return game_icons_; }
  const std::array<SpriteClass, kGameCount>& FavouriteMarks() const { return favourite_marks_; }
  const KeySwitchClass& Switches() const { return switches_; }
  ScanTimer& OneKeyTimer() { return one_key_timer_; }

 private:
  void LoadPictures();
  void ReleasePictures();
  void LayOut();
  void BuildScanList();
  // Runs the one-switch timer as the profile says, from the start of a step.
  void UpdateOneKeyTimer();
  void DrawMark(bool on, const SpriteClass& below);
  void DrawScanTime();
  void DrawHint();
  void OpenGameOptions(int index);
  void ClickButton(OptionsButton button);

  ProgramState& state_;
  ScreenNavigator& navigator_;
  KeySwitchClass switches_;
  ScanTimer one_key_timer_;
  std::array<SpriteClass, kOptionsButtonCount> buttons_;
  SpriteClass on_mark_;
  SpriteClass off_mark_;
  std::array<SpriteClass, kGameCount> game_icons_;
  // Frame 0 shows the game on the main menu, frame 1 hides it.
  std::array<SpriteClass, kGameCount> favourite_marks_;
  int pointer_x_ = -1;
  int pointer_y_ = -1;
};

}  // namespace tavlo
