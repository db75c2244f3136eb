#pragma once

#include <string>

namespace tavlo {

class Canvas;
class SpriteClass;

// Prints the text in the canvas's font and colour, centred on x, with its top at top.
void PrintCentred(Canvas& canvas, const std::string& text, double x, double top);
// Prints the text centred on the sprite both ways.
void PrintCentredOn(Canvas& canvas, const std::string& text, const SpriteClass& sprite);

}  // namespace tavlo
