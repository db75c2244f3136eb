#include "engine/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "engine/Rounding.h"

namespace tavlo {

const Font& Canvas::CurrentFont() {
  return fonts_.Get(FontName, FontSize, FontStyle{FontBold, FontItalic, FontUnderline});
}

void Canvas::Cls() {
  target_.Clear(BackColor);
  CurrentX = 0;
  CurrentY = 0;
}

void Canvas::Print(const std::string& text) {
  const Font& font = CurrentFont();
  target_.BlitBlended(font.Render(text, ForeColor), nint(CurrentX), nint(CurrentY));
  CurrentX = 0;
  CurrentY += font.Height();
}

int Canvas::TextWidth(const std::string& text) { return CurrentFont().Measure(text).Width; }

int Canvas::TextHeight(const std::string&) { return CurrentFont().Height(); }

// A pen of DrawWidth pixels covers the point and reaches half its width (the
// smaller half for an even width) to the left and above.
void Canvas::Pen(int x, int y, Color color) {
  const int width = std::max(DrawWidth, 1);
  target_.Fill(x - width / 2, y - width / 2, width, width, color);
}

void Canvas::Line(int x1, int y1, int x2, int y2, Color color) {
  const int width = std::max(DrawWidth, 1);
  const int reach = width / 2;
  if (x1 == x2 || y1 == y2) {
    const int left = std::min(x1, x2) - reach;
    const int top = std::min(y1, y2) - reach;
    target_.Fill(left, top, std::abs(x2 - x1) + width, std::abs(y2 - y1) + width, color);
    return;
  }
  // Bresenham's walk, stamping the pen on every point.
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int step_x = x1 < x2 ? 1 : -1;
  const int step_y = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  int x = x1;
  int y = y1;
  while (true) {
    Pen(x, y, color);
    if (x == x2 && y == y2) break;
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x += step_x;
    }
    if (doubled <= dx) {
      error += dx;
      y += step_y;
    }
  }
}

void Canvas::Box(int x1, int y1, int x2, int y2, Color color) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  Line(x1, y1, x2, y1, color);
  Line(x1, y2, x2, y2, color);
  Line(x1, y1, x1, y2, color);
  Line(x2, y1, x2, y2, color);
}

void Canvas::FilledBox(int x1, int y1, int x2, int y2, Color color) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  target_.Fill(x1, y1, x2 - x1 + 1, y2 - y1 + 1, color);
}

void Canvas::PSet(int x, int y, Color color) { Pen(x, y, color); }

Color Canvas::Point(int x, int y) const { return target_.GetPixel(x, y); }

void Canvas::Draw(const Surface& source, int x, int y, int width, int height, int source_x,
                  int source_y) {
  target_.Blit(source, x, y, width, height, source_x, source_y);
}

void Canvas::DrawKeyed(const Surface& source, int x, int y, int width, int height, Color key,
                       int source_x, int source_y) {
  target_.BlitKeyed(source, x, y, width, height, key, source_x, source_y);
}

}  // namespace tavlo
