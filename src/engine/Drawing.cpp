#include "engine/Drawing.h"

#include <algorithm>

#include "engine/Form.h"

namespace tavlo {

void MaskBlit(Surface& destination, int x, int y, int width, int height, const Surface& source,
              int source_x, int source_y, Color key) {
  if (key == kNoPixel) {
    destination.Blit(source, x, y, width, height, source_x, source_y);
    return;
  }
  destination.BlitKeyed(source, x, y, width, height, key, source_x, source_y);
}

bool IntersectRects(const Rect& a, const Rect& b, Rect& result) {
  const Rect overlap{std::max(a.Left, b.Left), std::max(a.Top, b.Top),
                     std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  if (overlap.Left >= overlap.Right || overlap.Top >= overlap.Bottom) {
    result = Rect{};
    return false;
  }
  result = overlap;
  return true;
}

void DrawToolTip(Form& form, int x, int y, const std::string& text) {
  constexpr Color kToolTipYellow = RGB(255, 255, 225);
  Canvas& canvas = form.Graphics();
  canvas.ForeColor = kBlack;
  canvas.DrawWidth = 1;
  const double font_size = canvas.FontSize;
  canvas.FontSize = 8;
  const int width = canvas.TextWidth(text);
  const int height = canvas.TextHeight(text);
  // Centred on the point, but never past the picture's edges: the last
  // button of a row has its tip beside the window's right edge.
  constexpr int kMargin = 4;
  const int right_most = form.Picture().Width() - width - kMargin - 2;
  const int left = std::max(kMargin + 2, std::min(x - width / 2, right_most));
  const int top = y - 2;
  canvas.FilledBox(left - 2, top - 2, left + width + 2, top + height + 2, kToolTipYellow);
  canvas.Box(left - 2, top - 2, left + width + 2, top + height + 2, kBlack);
  canvas.CurrentX = left;
  canvas.CurrentY = top;
  canvas.Print(text);
  canvas.FontSize = font_size;
}

}  // namespace tavlo
