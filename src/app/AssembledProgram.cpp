#include "app/AssembledProgram.h"

#include "platform/Platform.h"

namespace tavlo {

AssembledProgram::AssembledProgram(Platform& platform)
    : Clock(platform),
      App(platform, Fonts),
      State(platform, App.ProgramFolder()),
      Media(App),
      Screens(App, State, Media) {}

StartUp AssembledProgram::Start(const std::string& command_line) {
  const StartUp start = InitialiseProgram(App, State, command_line, Screens.Desktop());
  Screens.MainMenu().QuitRequested = start != StartUp::MenuReady;
  return start;
}

}  // namespace tavlo
