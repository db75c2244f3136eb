#include "games/CentredText.h"

#include "engine/Canvas.h"
#include "engine/SpriteClass.h"

namespace tavlo {

void PrintCentred(Canvas& canvas, const std::string& text, double x, double top) {
  canvas.CurrentX = x - canvas.TextWidth(text) / 2.0;
  canvas.CurrentY = top;
  canvas.Print(text);
}

void PrintCentredOn(Canvas& canvas, const std::string& text, const SpriteClass& sprite) {
  PrintCentred(canvas, text, sprite.MiddleX(), sprite.MiddleY() - canvas.TextHeight(text) / 2.0);
}

}  // namespace tavlo
