#pragma once

#include <string>

#include "app/ProgramScreens.h"
#include "app/Startup.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "platform/Fonts.h"
#include "state/ProgramState.h"

namespace tavlo {

class Platform;

// The whole program put together on a platform, each part after the parts it
// needs: the clock, the fonts, the application, the shared state, the media
// commands and the screens. The real program and the monkey tests build it
// alike, then start it from the main menu.
struct AssembledProgram {
  explicit AssembledProgram(Platform& platform);

  // Runs start-up; the main menu, shown next, ends at once unless it succeeded.
  StartUp Start(const std::string& command_line);

  ClockSource Clock;
  FontLibrary Fonts;
  Application App;
  ProgramState State;
  MediaCommands Media;
  ProgramScreens Screens;
};

}  // namespace tavlo
