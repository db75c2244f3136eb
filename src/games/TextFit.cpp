#include "games/TextFit.h"

#include <algorithm>
#include <cmath>

#include "engine/Canvas.h"

namespace tavlo {
namespace {

int WidestOf(Canvas& canvas, const std::vector<std::string>& texts) {
  int widest = 0;
  for (const std::string& text : texts) widest = std::max(widest, canvas.TextWidth(text));
  return widest;
}

}  // namespace

void FitFontSize(Canvas& canvas, double points, int max_width, int max_height,
                 const std::vector<std::string>& texts) {
  canvas.FontSize = points;
  auto fits = [&](int widest) {
    return widest <= max_width && (max_height <= 0 || canvas.TextHeight() <= max_height);
  };
  int widest = WidestOf(canvas, texts);
  if (fits(widest) || points <= kSmallestFittedPoints) return;
  // Text widths grow almost in proportion to the size, so one estimate lands
  // next to the answer and a step or two of a point finds it.
  double size = std::floor(points);
  if (widest > max_width && widest > 0) {
    size = std::min(size, std::floor(points * max_width / widest));
  }
  if (max_height > 0 && canvas.TextHeight() > max_height) {
    size = std::min(size, std::floor(points * max_height / canvas.TextHeight()));
  }
  canvas.FontSize = std::max(size, kSmallestFittedPoints);
  while (canvas.FontSize > kSmallestFittedPoints && !fits(WidestOf(canvas, texts))) {
    canvas.FontSize = std::max(canvas.FontSize - 1, kSmallestFittedPoints);
  }
}

void FitFontSize(Canvas& canvas, double points, int max_width, int max_height,
                 const std::string& text) {
  FitFontSize(canvas, points, max_width, max_height, std::vector<std::string>{text});
}

}  // namespace tavlo
