#include "app/Program.h"

#include <cstdlib>

#include "app/AssembledProgram.h"
#include "platform/Platform.h"

namespace tavlo {

int RunProgram(Platform& platform, const std::string& command_line) {
  AssembledProgram program(platform);
  MenuMainForm& menu = program.Screens.MainMenu();
  program.Screens.Desktop().FullScreen = FullScreenKindFrom(std::getenv("TAVLO_DISPLAY_MODE"));
  const StartUp start = program.Start(command_line);
  program.App.Show(menu);
  program.App.Run();
  platform.CloseWindow();
  // Scripts and desktop launchers learn from the status that nothing ran.
  return start == StartUp::Failed ? EXIT_FAILURE : EXIT_SUCCESS;
}

}  // namespace tavlo
