#pragma once

#include "app/GameForms.h"
#include "app/MenuMainForm.h"
#include "app/ProgramState.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "platform/Fonts.h"
#include "support/ProgramFolder.h"

namespace tavlo::testing {

// The program as start-up assembles it, on the fake platform and a program
// folder of its own: the application, the shared state, the media player
// behind the music and the main menu, which is not yet initialised or shown.
class MainMenuTest : public ProgramFolderTest {
 protected:
  MainMenuTest()
      : clock(platform),
        app(platform, fonts),
        state(platform, program.Path()),
        media(app),
        menu(app, state, media, games) {}

  ClockSource clock;
  FontLibrary fonts;
  Application app;
  ProgramState state;
  MediaCommands media;
  GameForms games;
  MenuMainForm menu;
};

}  // namespace tavlo::testing
