#pragma once

#include <string>

#include "screens/StopButtonScreen.h"

namespace tavlo {

// The about screen: the credits picture of the language, the program's
// heading and the version of this build.
class MenuAboutForm : public StopButtonScreen {
 public:
  MenuAboutForm(Application& app, ProgramState& state);

  void Form_Load() override;
  void DrawAbout();
  // "Version" and the number this program was built as.
  std::string VersionLine() const;

 private:
  void DrawScreen() override { DrawAbout(); }

  std::string heading_;
};

}  // namespace tavlo
