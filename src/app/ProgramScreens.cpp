#include "app/ProgramScreens.h"

#include "app/Startup.h"
#include "engine/Application.h"
#include "games/GameForm.h"

namespace tavlo {

ProgramScreens::ProgramScreens(Application& app, ProgramState& state, MediaControl& media)
    : app_(app),
      state_(state),
      menu_(app, state, media, *this),
      games_(GameContext{app, state, media, menu_}),
      desktop_(app.Host(), desktop_shell_),
      options_(app, state, *this),
      statistics_(app, state),
      help_(app, state),
      about_(app, state) {
  // The switches and scanning follow the current profile's access settings,
  // whichever profile that is.
  app.UseAccessSettings(state.Profiles.Access);
}

Form* ProgramScreens::GameScreen(int game_number) { return games_.Get(game_number); }

void ProgramScreens::OpenOptionsMenu() { app_.ShowModal(options_); }

void ProgramScreens::OpenStatistics() { app_.ShowModal(statistics_); }

void ProgramScreens::OpenHelp() { app_.ShowModal(help_); }

void ProgramScreens::OpenAbout() { app_.ShowModal(about_); }

void ProgramScreens::EndProgram() { ShutDownProgram(app_, state_, desktop_); }

}  // namespace tavlo
