#pragma once

#include <string>

namespace tavlo {

class Application;
struct ProgramState;

// Shows the profile dialog ProfileDialog modally over the current screen:
// the user chooses, creates, removes and resets profiles. New asks for the
// name in NewProfileDialog; Remove and Reset ask before they destroy a
// profile's answers. After OK the chosen profile is current and its options
// are loaded; after Escape the current profile is the one the actions left.
void ShowProfileDialog(Application& app, ProgramState& state);

// Asks for a new profile's name in NewProfileDialog; empty after Cancel. A
// name the profile store refuses is never returned: the dialog says why and
// stays open.
std::string AskNewProfileName(Application& app, ProgramState& state);

}  // namespace tavlo
