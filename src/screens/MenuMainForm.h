#pragma once

#include <array>
#include <string>

#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/MMedia.h"
#include "engine/ScanTimer.h"
#include "engine/SpriteClass.h"
#include "engine/Timer.h"
#include "state/GameNumbers.h"
#include "state/ProgramState.h"

namespace tavlo {

class MediaControl;
class ScreenNavigator;

// The home screen: its buttons open the games and the options, and
// QuitProgram is the one orderly way out. A short title animation plays once
// per run; everything works with the mouse, keys and one or two switches.
class MenuMainForm : public Form {
 public:
  MenuMainForm(Application& app, ProgramState& state, MediaControl& media,
               ScreenNavigator& navigator);

  // Set when start-up failed: the form then unloads as soon as it loads, and
  // the program ends.
  bool QuitRequested = false;

  void Form_Load() override;
  void Form_GotFocus() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  void Form_CloseRequested() override;

  void LoadTitlePictures();
  void LoadMenuPictures();
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
  const std::array<SpriteClass, kGameCount>& GameButtons() const { return game_buttons_; }
  const KeySwitchClass& Switches() const { return switches_; }
  const SpriteClass& TitleCloud() const { return title_cloud_; }
  ScanTimer& OneKeyTimer() { return one_key_timer_; }
  Timer& ImageTimer() { return image_timer_; }

 private:
  // ArrangeMenu's steps after the music: layout, scanning list, heading.
  void LayOutMenu();
  // The heading's size in the text scale, for centring it in the title.
  void MeasureHeading();
  void ImageTimer_Timer();
  void OneKeyTimer_Timer();

  ProgramState& state_;
  ScreenNavigator& navigator_;
  MMedia music_;
  KeySwitchClass switches_;
  ScanTimer one_key_timer_;
  Timer image_timer_;

  SpriteClass title_picture_;
  SpriteClass main_picture_;
  SpriteClass title_cloud_;
  SpriteClass stop_button_;
  SpriteClass options_button_;
  SpriteClass music_button_;
  std::array<SpriteClass, kGameCount> game_buttons_;
  int title_width_ = 0;
  int title_height_ = 0;
};

}  // namespace tavlo
