#pragma once

#include "app/Startup.h"
#include "games/GameCatalogue.h"
#include "screens/MenuAboutForm.h"
#include "screens/MenuHelpForm.h"
#include "screens/MenuMainForm.h"
#include "screens/MenuOptionsForm.h"
#include "screens/MenuStatsForm.h"
#include "state/ScreenNavigator.h"

namespace tavlo {

class Application;
class MediaControl;
struct ProgramState;

// Every screen of the program, and the roads between them: the one place that
// knows which screen a button opens.
class ProgramScreens : public ScreenNavigator {
 public:
  ProgramScreens(Application& app, ProgramState& state, MediaControl& media);

  MenuMainForm& MainMenu() { return menu_; }
  GameCatalogue& Games() { return games_; }
  // What start-up changes on the desktop and the end of the run gives back.
  ProgramDesktop& Desktop() { return desktop_; }
  MenuOptionsForm& OptionsMenu() { return options_; }
  MenuStatsForm& Statistics() { return statistics_; }
  MenuHelpForm& Help() { return help_; }
  MenuAboutForm& About() { return about_; }

  Form* GameScreen(int game_number) override;
  void OpenOptionsMenu() override;
  void OpenStatistics() override;
  void OpenHelp() override;
  void OpenAbout() override;
  void EndProgram() override;

 private:
  Application& app_;
  ProgramState& state_;
  MenuMainForm menu_;
  GameCatalogue games_;
  LinuxDesktopShell desktop_shell_;
  ProgramDesktop desktop_;
  MenuOptionsForm options_;
  MenuStatsForm statistics_;
  MenuHelpForm help_;
  MenuAboutForm about_;
};

}  // namespace tavlo
