#pragma once

namespace tavlo {

class Form;

// How one screen reaches another. The screens know only this interface; the
// program implements it where it assembles its screens, so that no screen
// depends on the screens it opens, and tests can open any screen by itself.
class ScreenNavigator {
 public:
  virtual ~ScreenNavigator() = default;

  // The screen of game 1 to 15, made on first use and kept for the run; null
  // for any other number and for a game that has no screen.
  virtual Form* GameScreen(int game_number) = 0;
  // Shows the options menu over the main menu; returns when it has closed.
  virtual void OpenOptionsMenu() = 0;
  // The screens of the options menu, each shown over it until it closes.
  virtual void OpenStatistics() = 0;
  virtual void OpenHelp() = 0;
  virtual void OpenAbout() = 0;
  // The end of the run after the main menu has let go of its own things:
  // saves what must outlive the run and gives the display back.
  virtual void EndProgram() = 0;
};

}  // namespace tavlo
