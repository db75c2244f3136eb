#pragma once

#include <string>

#include "engine/Form.h"
#include "engine/SpriteClass.h"
#include "state/ProgramState.h"

namespace tavlo {

// A full-size screen that only shows something: a background picture, what
// the screen draws over it, and a stop button in the top-left corner. The
// stop button or any key closes it; the pointer on the button frames it.
class StopButtonScreen : public Form {
 public:
  void Form_Unload() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;

  void CloseScreen();
  const SpriteClass& StopButton() const { return stop_button_; }

 protected:
  StopButtonScreen(Application& app, ProgramState& state, std::string stop_picture);

  // Loads the background and the stop button, then draws the screen.
  void LoadScreen(const std::string& background_picture);
  // Draws the whole screen, the stop button last; the caller refreshes.
  virtual void DrawScreen() = 0;
  void DrawBackground();

  ProgramState& state_;
  SpriteClass stop_button_;

 private:
  std::string stop_picture_;
  SpriteClass background_;
};

}  // namespace tavlo
