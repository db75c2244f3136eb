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
  const StartUp start =
      InitialiseProgram(program.App, program.State, command_line, program.Screens.Desktop());
  menu.QuitRequested = start != StartUp::MenuReady;
  program.App.Show(menu);
  program.App.Run();
  platform.CloseWindow();
  // Scripts and desktop launchers learn from the status that nothing ran.
  return start == StartUp::Failed ? EXIT_FAILURE : EXIT_SUCCESS;
}

}  // namespace tavlo
