#pragma once

namespace tavlo {

struct ProgramState;

inline constexpr int kStandardTextSize = 17;

// The game screens' text size keys: F5 one point smaller (not below 6), F6 one
// point larger (not above 32), F7 back to the game's standard size (17 points
// unless the game says otherwise), F8 back to Arial at that size. The running
// game's font changes and is stored as the game's option in the profile.
// Returns true when the key was one of them; the screen then redraws itself.
bool ApplyTextSizeKey(ProgramState& state, int key_code, int standard_size = kStandardTextSize);

}  // namespace tavlo
