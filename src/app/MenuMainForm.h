#pragma once

#include <string>

#include "app/ProgramState.h"
#include "engine/Form.h"

namespace tavlo {

// The home screen and the program's start-up object: its initialisation
// prepares everything the other screens read, and QuitProgram is the one
// orderly way out.
class MenuMainForm : public Form {
 public:
  MenuMainForm(Application& app, ProgramState& state);

  // Runs before the form is first loaded. command_line is the whole text
  // after the program's name; "window" runs in a window.
  void Initialise(const std::string& command_line);
  bool QuitRequested = false;

  void Form_Load() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_CloseRequested() override;

  void QuitProgram();
  void DrawMenu(int x, int y);

 private:
  ProgramState& state_;
};

}  // namespace tavlo
