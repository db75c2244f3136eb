#include "app/ProgramScreens.h"

#include "engine/Application.h"
#include "games/GameForm.h"

namespace tavlo {

ProgramScreens::ProgramScreens(Application& app, ProgramState& state, MediaControl& media)
    : app_(app),
      state_(state),
      menu_(app, state, media, *this),
      games_(GameContext{app, state, media, menu_}),
      desktop_(app.Host(), desktop_shell_) {}

Form* ProgramScreens::GameScreen(int game_number) { return games_.Get(game_number); }

void ProgramScreens::OpenOptionsMenu() {
  // The options menu is not part of the program yet; the main menu reloads
  // the profile when this returns, as it will after the options menu.
}

void ProgramScreens::EndProgram() { ShutDownProgram(app_, state_, desktop_); }

}  // namespace tavlo
