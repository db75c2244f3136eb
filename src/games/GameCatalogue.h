#pragma once

#include <array>
#include <memory>

#include "games/GameContext.h"
#include "state/GameNumbers.h"

namespace tavlo {

class GameForm;

// The fifteen game screens, by game number. This is the one place that names
// the game classes; each screen is made on first use and kept for the run, so
// that opening a game again reuses its screen.
class GameCatalogue {
 public:
  explicit GameCatalogue(const GameContext& context);
  ~GameCatalogue();
  GameCatalogue(const GameCatalogue&) = delete;
  GameCatalogue& operator=(const GameCatalogue&) = delete;

  // The screen of game 1 to 15; null for any other number and for a game
  // that has no screen.
  GameForm* Get(int game_number);

 private:
  GameContext context_;
  std::array<std::unique_ptr<GameForm>, kGameCount> forms_;
};

}  // namespace tavlo
