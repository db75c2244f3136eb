#pragma once

#include "screens/StopButtonScreen.h"

namespace tavlo {

// The help screen: the help texts as a table of two columns, each key or
// switch beside what it does.
class MenuHelpForm : public StopButtonScreen {
 public:
  MenuHelpForm(Application& app, ProgramState& state);

  void Form_Load() override;
  void DrawHelp();

 private:
  void DrawScreen() override { DrawHelp(); }
};

}  // namespace tavlo
