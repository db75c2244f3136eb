#include "app/Program.h"

#include "app/GameForms.h"
#include "app/MenuMainForm.h"
#include "app/ProgramState.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "games/Game01Form.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"

namespace tavlo {

int RunProgram(Platform& platform, const std::string& command_line) {
  ClockSource clock(platform);
  FontLibrary fonts;
  Application app(platform, fonts);
  ProgramState state(platform, app.ProgramFolder());
  MediaCommands media(app);
  GameForms games;
  MenuMainForm menu(app, state, media, games);
  games.Register(0, [&] { return std::make_unique<Game01Form>(app, state, media, menu); });

  menu.Initialise(command_line);
  app.Show(menu);
  app.Run();
  platform.CloseWindow();
  return 0;
}

}  // namespace tavlo
