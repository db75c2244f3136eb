#include "app/AssembledProgram.h"

#include "platform/Platform.h"

namespace tavlo {

AssembledProgram::AssembledProgram(Platform& platform)
    : Clock(platform),
      App(platform, Fonts),
      State(platform, App.ProgramFolder()),
      Media(App),
      Screens(App, State, Media) {}

}  // namespace tavlo
