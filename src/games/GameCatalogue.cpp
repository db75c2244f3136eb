#include "games/GameCatalogue.h"

#include "games/Game01Form.h"
#include "games/Game02Form.h"
#include "games/Game03Form.h"
#include "games/Game04Form.h"
#include "games/Game05Form.h"
#include "games/Game06Form.h"
#include "games/Game07Form.h"
#include "games/Game08Form.h"
#include "games/Game09Form.h"
#include "games/Game10Form.h"
#include "games/Game11Form.h"
#include "games/Game12Form.h"
#include "games/Game13Form.h"
#include "games/Game14Form.h"
#include "games/Game15Form.h"

namespace tavlo {
namespace {

std::unique_ptr<GameForm> MakeGame(int game_number, const GameContext& context) {
  switch (game_number) {
    case 1:
      return std::make_unique<Game01Form>(context);
    case 2:
      return std::make_unique<Game02Form>(context);
    case 3:
      return std::make_unique<Game03Form>(context);
    case 4:
      return std::make_unique<Game04Form>(context);
    case 5:
      return std::make_unique<Game05Form>(context);
    case 6:
      return std::make_unique<Game06Form>(context);
    case 9:
      return std::make_unique<Game09Form>(context);
    case 12:
      return std::make_unique<Game12Form>(context);
    case 13:
      return std::make_unique<Game13Form>(context);
    case 14:
      return std::make_unique<Game14Form>(context);
    case 7: return std::make_unique<Game07Form>(context);
    case 8: return std::make_unique<Game08Form>(context);
    case 10: return std::make_unique<Game10Form>(context);
    case 11: return std::make_unique<Game11Form>(context);
    case 15:
      return std::make_unique<Game15Form>(context);
    default:
      return nullptr;
  }
}

}  // namespace

GameCatalogue::GameCatalogue(const GameContext& context) : context_(context) {}

GameCatalogue::~GameCatalogue() = default;

GameForm* GameCatalogue::Get(int game_number) {
  if (game_number < 1 || game_number > kGameCount) return nullptr;
  auto& form = forms_[static_cast<size_t>(game_number - 1)];
  if (!form) form = MakeGame(game_number, context_);
  return form.get();
}

}  // namespace tavlo
