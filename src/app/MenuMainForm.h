#pragma once

#include <array>
#include <string>

#include "app/ProgramState.h"
#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/MMedia.h"
#include "engine/SpriteClass.h"
#include "engine/Timer.h"

namespace tavlo {

class GameForms;
class MediaControl;

// The home screen and the program's start-up object: its initialisation
// prepares everything the other screens read, its buttons open the games and
// the options, and QuitProgram is the one orderly way out. A short title
// animation plays once per run; everything works with the mouse, keys and one
// or two switches.
class MenuMainForm : public Form {
 public:
  MenuMainForm(Application& app, ProgramState& state, MediaControl& media, GameForms& games);

  // Runs before the form is first loaded. command_line is the whole text
  // after the program's name; "window" runs in a window.
  void Initialise(const std::string& command_line);
  bool QuitRequested = false;

  void Form_Load() override;
  void Form_GotFocus() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  void Form_CloseRequested() override;

  void BuildMenu();
  void ReleaseMenu();
  void ArrangeMenu();
  void UpdateMusic();
  void BuildScanList();
  void StartOneKeyTimer();
  void DrawMenu(int x, int y);
  void OpenGame(int index);
  void OpenOptionsMenu();
  void CloseMenu();
  void QuitProgram();

  // What tests and the screens around the menu look at.
  const std::array<SpriteClass, 15>& GameButtons() const { return game_buttons_; }
  const KeySwitchClass& Switches() const { return switches_; }
  const SpriteClass& TitleCloud() const { return title_cloud_; }
  Timer& OneKeyTimer() { return one_key_timer_; }
  Timer& ImageTimer() { return image_timer_; }

 private:
  void ImageTimer_Timer();
  void OneKeyTimer_Timer();

  ProgramState& state_;
  GameForms& games_;
  MMedia music_;
  KeySwitchClass switches_;
  Timer one_key_timer_;
  Timer image_timer_;

  SpriteClass title_picture_;
  SpriteClass main_picture_;
  SpriteClass title_cloud_;
  SpriteClass stop_button_;
  SpriteClass options_button_;
  SpriteClass music_button_;
  std::array<SpriteClass, 15> game_buttons_;
  int title_width_ = 0;
  int title_height_ = 0;
};

}  // namespace tavlo
