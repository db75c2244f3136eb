#pragma once

#include <array>

namespace tavlo {

class SpriteClass;

// Where four word places stand in two rows of two inside a box, in pixels from
// the box's top-left corner: the first of each row at Left, the second Gap
// pixels right of the first; the rows' tops at FirstTop and SecondTop.
struct WordGrid {
  int Left = 0;
  int Gap = 0;
  int FirstTop = 0;
  int SecondTop = 0;
  int Width = 0;
  int Height = 0;
};

// Sizes and places the four places of the box with its corner at (x, y): 0
// and 1 in the first row, 2 and 3 in the second; 1 and 3 follow the right
// edge of their left neighbour.
void LayOutWordGrid(const std::array<SpriteClass*, 4>& places, const WordGrid& grid, int x, int y);

}  // namespace tavlo
