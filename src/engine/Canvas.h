#pragma once

#include <string>

#include "platform/Color.h"
#include "platform/Fonts.h"
#include "platform/Surface.h"

namespace tavlo {

// Drawing on a form's picture with the state a form keeps between calls: the
// colours, the font, the pen width and the text position.
class Canvas {
 public:
  Canvas(Surface& target, FontLibrary& fonts) : target_(target), fonts_(fonts) {}

  Color BackColor = kWhite;
  Color ForeColor = kBlack;
  std::string FontName = "Arial";
  double FontSize = 12;  // points
  bool FontBold = false;
  bool FontItalic = false;
  bool FontUnderline = false;
  int DrawWidth = 1;
  double CurrentX = 0;
  double CurrentY = 0;

  // Fills the picture with BackColor and puts the text position at the top left.
  void Cls();
  // Draws text with its top-left corner at the text position, then moves the
  // position to the start of the next line.
  void Print(const std::string& text);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text = "");

  // A line from (x1, y1) to (x2, y2), both ends included, DrawWidth thick.
  void Line(int x1, int y1, int x2, int y2, Color color);
  // The outline of the box with corners (x1, y1) and (x2, y2); the pen is
  // centred on the box's lines, so a wide pen reaches out as far as in.
  void Box(int x1, int y1, int x2, int y2, Color color);
  // The box filled, both corners included.
  void FilledBox(int x1, int y1, int x2, int y2, Color color);
  void PSet(int x, int y, Color color);
  Color Point(int x, int y) const;

  void Draw(const Surface& source, int x, int y, int width, int height, int source_x = 0,
            int source_y = 0);
  void DrawKeyed(const Surface& source, int x, int y, int width, int height, Color key,
                 int source_x = 0, int source_y = 0);

  Surface& Target() { return target_; }
  FontLibrary& Fonts() { return fonts_; }
  const Font& CurrentFont();

 private:
  void Pen(int x, int y, Color color);

  Surface& target_;
  FontLibrary& fonts_;
};

}  // namespace tavlo
