#pragma once

#include <string>

namespace tavlo {

class Canvas;
class SpriteClass;

// Prints the text centred on the sprite's rectangle in the canvas's font and
// colour. A text that would stick out of the rectangle (less the margin on the
// left and right) is printed smaller, point by point, until it fits, so that
// the largest text sizes a child may choose never spill over a word's place.
// The canvas keeps its own font size afterwards.
void PrintCentredIn(Canvas& canvas, const std::string& text, const SpriteClass& place,
                    int margin = 0);

}  // namespace tavlo
