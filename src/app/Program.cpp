#include "app/Program.h"

#include <cstdlib>

#include "app/ProgramScreens.h"
#include "app/Startup.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"

namespace tavlo {

int RunProgram(Platform& platform, const std::string& command_line) {
  ClockSource clock(platform);
  FontLibrary fonts;
  Application app(platform, fonts);
  ProgramState state(platform, app.ProgramFolder());
  MediaCommands media(app);
  ProgramScreens screens(app, state, media);

  MenuMainForm& menu = screens.MainMenu();
  screens.Desktop().FullScreen = FullScreenKindFrom(std::getenv("TAVLO_DISPLAY_MODE"));
  menu.QuitRequested = !InitialiseProgram(app, state, command_line, screens.Desktop());
  app.Show(menu);
  app.Run();
  platform.CloseWindow();
  return 0;
}

}  // namespace tavlo
