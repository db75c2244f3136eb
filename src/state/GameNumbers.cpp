#include "state/GameNumbers.h"

#include <cctype>

namespace tavlo {

std::string GameIdOf(int game_number) {
  return std::string("Game") + (game_number < 10 ? "0" : "") + std::to_string(game_number);
}

int GameIndexOf(std::string_view game_id) {
  if (game_id.size() < 2) return -1;
  const char tens = game_id[game_id.size() - 2];
  const char ones = game_id[game_id.size() - 1];
  if (!std::isdigit(static_cast<unsigned char>(tens)) ||
      !std::isdigit(static_cast<unsigned char>(ones))) {
    return -1;
  }
  const int index = (tens - '0') * 10 + (ones - '0') - 1;
  return (index >= 0 && index < kGameCount) ? index : -1;
}

}  // namespace tavlo
