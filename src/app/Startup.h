#pragma once

#include <string>

namespace tavlo {

class Application;
struct ProgramState;

// Prepares everything the screens read before the main menu first loads: the
// window, the language texts, the data folder, the current profile, the text
// scale and the display mode. command_line is the whole text after the
// program's name; "window" runs in a window, "--language den" (or the
// environment's TAVLO_LANGUAGE, else the user's locale) chooses the language
// over lang/lang.txt. False when the program must end
// without showing the menu (another instance runs, or a language file or the
// data folder is missing; the user has then been told, where there is
// anything to tell).
bool InitialiseProgram(Application& app, ProgramState& state, const std::string& command_line);

// The orderly end of a run: saves the current profile's options and gives the
// display back as it was before the start.
void ShutDownProgram(Application& app, ProgramState& state);

}  // namespace tavlo
