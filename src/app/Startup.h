#pragma once

#include <string>

#include "app/DesktopIcons.h"
#include "app/DisplayMode.h"

namespace tavlo {

class Application;
struct ProgramState;

// What start-up may change on the user's desktop and the end of the run gives
// back: the display mode and the places of the desktop icons.
struct ProgramDesktop {
  ProgramDesktop(Platform& platform, DesktopShell& shell) : Display(platform), Icons(shell) {}

  // How full screen is made; the display itself changes only where the user
  // asked for it.
  FullScreenKind FullScreen = FullScreenKind::ScaledPicture;
  DisplayModeSwitch Display;
  DesktopIcons Icons;
};

// Prepares everything the screens read before the main menu first loads: the
// window, the language texts, the data folder, the current profile, the text
// scale and the display mode. command_line is the whole text after the
// program's name; "window" runs in a window.
enum class StartUp {
  MenuReady,
  // Another instance runs: it has the window the user looks for.
  EndedQuietly,
  // No window could be opened, a language file is missing, or the data folder
  // is missing (the user declined it), cannot be made or is in use; the user
  // has been told wherever there was a window to tell it in.
  Failed,
};
StartUp InitialiseProgram(Application& app, ProgramState& state, const std::string& command_line,
                       ProgramDesktop& desktop);

// The orderly end of a run: saves the current profile's options and gives the
// display and the desktop icons back as they were before the start.
void ShutDownProgram(Application& app, ProgramState& state, ProgramDesktop& desktop);

}  // namespace tavlo
