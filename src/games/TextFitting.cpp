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

double FittingSize(Canvas& canvas, double chosen, const std::vector<std::string>& texts, int width,
                   int height) {
  canvas.FontSize = chosen;
  if (AllFit(canvas, texts, width, height)) return chosen;
  for (double size = std::ceil(chosen) - 1; size > kSmallestSize; size -= 1) {
    canvas.FontSize = size;
    if (AllFit(canvas, texts, width, height)) return size;
  }
  return kSmallestSize;
}

}  // namespace

void FittedFont::Apply(Canvas& canvas, double chosen, const std::vector<std::string>& texts,
                       int width, int height) {
  if (canvas.FontName != font_name_ || chosen != chosen_ || width != width_ || height != height_ ||
      texts != texts_) {
    size_ = FittingSize(canvas, chosen, texts, width, height);
    font_name_ = canvas.FontName;
    chosen_ = chosen;
    texts_ = texts;
    width_ = width;
    height_ = height;
  }
  canvas.FontSize = size_;
}

}  // namespace tavlo
