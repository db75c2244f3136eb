#include "app/Program.h"

#include <cstdlib>

#include "app/AssembledProgram.h"
#include "app/Startup.h"
#include "platform/Platform.h"

namespace tavlo {

int RunProgram(Platform& platform, const std::string& command_line) {
  AssembledProgram program(platform);
  MenuMainForm& menu = program.Screens.MainMenu();
  program.Screens.Desktop().FullScreen = FullScreenKindFrom(std::getenv("TAVLO_DISPLAY_MODE"));
  menu.QuitRequested =
      !InitialiseProgram(program.App, program.State, command_line, program.Screens.Desktop());
  program.App.Show(menu);
  program.App.Run();
  platform.CloseWindow();
  return 0;
}

}  // namespace tavlo
