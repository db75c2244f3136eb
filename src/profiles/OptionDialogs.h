#pragma once

#include <cstdint>
#include <string>

namespace tavlo {

class Application;
struct ProgramState;

// Shows the general options dialog GeneralOptions for the game modally over
// the current screen. OK stores the word list, random order, rewards and
// their frequency in the current profile. Sets gDialogResult (1 after OK, 0
// after Cancel) and returns it; the caller re-reads the options after OK.
std::int16_t ShowGeneralOptions(Application& app, ProgramState& state,
                                const std::string& game_id);

// Shows the font dialog FontDialog for the game modally over the current
// screen. OK stores the chosen family as the game's face. Sets and returns
// gDialogResult as ShowGeneralOptions does.
std::int16_t ShowFontDialog(Application& app, ProgramState& state, const std::string& game_id);

// Shows the steering game's option dialog Options15 modally over the current
// screen: its word list, random order and the animal's speed. OK stores them
// in the current profile. Sets and returns gDialogResult as ShowGeneralOptions
// does.
std::int16_t ShowOptions15(Application& app, ProgramState& state);

// Shows the access dialog of the current profile modally over the current
// screen: its switches, spoken scanning and the times of scanning. OK stores
// the settings in the profile, which takes them at once; the caller saves
// them. Sets and returns gDialogResult as ShowGeneralOptions does.
std::int16_t ShowAccessOptions(Application& app, ProgramState& state);

}  // namespace tavlo
