#pragma once

#include <string>
#include <string_view>

namespace tavlo {

// The games are numbered 1 to 15 everywhere; arrays of per-game values are
// indexed by number - 1.
inline constexpr int kGameCount = 15;

// "Game01" to "Game15": the id names the game's table, picture folder and
// speech folder.
std::string GameIdOf(int game_number);

// The array index (number - 1) that a game id's last two digits name; -1 for
// anything that names none of the fifteen games.
int GameIndexOf(std::string_view game_id);

}  // namespace tavlo
