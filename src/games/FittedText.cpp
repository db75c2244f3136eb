#include "games/FittedText.h"

#include "engine/Canvas.h"
#include "engine/SpriteClass.h"

namespace tavlo {
namespace {

// Below this a word is no longer readable; it is printed at this size and
// allowed to spill over.
constexpr double kSmallestPoints = 6;

}  // namespace

void PrintCentredIn(Canvas& canvas, const std::string& text, const SpriteClass& place, int margin) {
  if (text.empty()) return;
  const double chosen_size = canvas.FontSize;
  const int room_x = place.Width - 2 * margin;
  const int room_y = place.Height;
  int width = canvas.TextWidth(text);
  int height = canvas.TextHeight(text);
  while ((width > room_x || height > room_y) && canvas.FontSize - 1 >= kSmallestPoints) {
    canvas.FontSize -= 1;
    width = canvas.TextWidth(text);
    height = canvas.TextHeight(text);
  }
  canvas.CurrentX = place.MiddleX() - width / 2.0;
  canvas.CurrentY = place.MiddleY() - height / 2.0;
  canvas.Print(text);
  canvas.FontSize = chosen_size;
}

}  // namespace tavlo
