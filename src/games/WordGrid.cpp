#include "games/WordGrid.h"

#include "engine/SpriteClass.h"

namespace tavlo {

void LayOutWordGrid(const std::array<SpriteClass*, 4>& places, const WordGrid& grid, int x, int y) {
  for (std::size_t k = 0; k < places.size(); ++k) {
    SpriteClass& place = *places[k];
    place.Width = grid.Width;
    place.Height = grid.Height;
    place.X = k % 2 == 0 ? x + grid.Left : places[k - 1]->Right() + grid.Gap;
    place.Y = y + (k < 2 ? grid.FirstTop : grid.SecondTop);
  }
}

}  // namespace tavlo
