#include "games/TextFitting.h"

#include <algorithm>
#include <cmath>

#include "engine/Canvas.h"

namespace tavlo {
namespace {

constexpr double kSmallestSize = 6;

bool AllFit(Canvas& canvas, std::span<const std::string> texts, int width, int height) {
  if (canvas.TextHeight() > height) return false;
  for (const std::string& text : texts) {
    if (canvas.TextWidth(text) > width) return false;
  }
  return true;
}

double FittingSize(Canvas& canvas, double chosen, std::span<const std::string> texts, int width,
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
  Fit(canvas, chosen, texts, width, height);
}

void FittedFont::Apply(Canvas& canvas, double chosen, const std::string& text, int width,
                       int height) {
  Fit(canvas, chosen, std::span<const std::string>(&text, 1), width, height);
}

void FittedFont::Fit(Canvas& canvas, double chosen, std::span<const std::string> texts, int width,
                     int height) {
  if (canvas.FontName != font_name_ || canvas.FontBold != bold_ || canvas.FontItalic != italic_ ||
      chosen != chosen_ || width != width_ || height != height_ ||
      !std::equal(texts.begin(), texts.end(), texts_.begin(), texts_.end())) {
    size_ = FittingSize(canvas, chosen, texts, width, height);
    font_name_ = canvas.FontName;
    bold_ = canvas.FontBold;
    italic_ = canvas.FontItalic;
    chosen_ = chosen;
    texts_.assign(texts.begin(), texts.end());
    width_ = width;
    height_ = height;
  }
  canvas.FontSize = size_;
}

}  // namespace tavlo
