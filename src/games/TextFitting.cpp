#include "games/TextFitting.h"

#include <cmath>

#include "engine/Canvas.h"

namespace tavlo {
namespace {

constexpr double kSmallestSize = 6;

bool AllFit(Canvas& canvas, const std::vector<std::string>& texts, int width, int height) {
  if (canvas.TextHeight() > height) return false;
  for (const std::string& text : texts) {
    if (canvas.TextWidth(text) > width) return false;
  }
  return true;
}

}  // namespace

void FitFontSize(Canvas& canvas, double chosen, const std::vector<std::string>& texts, int width,
                 int height) {
  canvas.FontSize = chosen;
  if (AllFit(canvas, texts, width, height)) return;
  for (double size = std::ceil(chosen) - 1; size > kSmallestSize; size -= 1) {
    canvas.FontSize = size;
    if (AllFit(canvas, texts, width, height)) return;
  }
  canvas.FontSize = kSmallestSize;
}

}  // namespace tavlo
