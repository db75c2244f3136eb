#pragma once

#include <span>
#include <string>
#include <vector>

namespace tavlo {

class Canvas;

// What a text keeps clear of the edges of the frame or button it is printed in.
constexpr int kTextMargin = 5;

// The size at which a group of texts that share one kind of place is printed,
// or a text that has a place of its own: the chosen size when every text
// fits, else the largest whole point size below it (down to 6 points) at which
// every text is at most width pixels wide and a line at most height pixels
// tall. So a child who chose a large print gets the largest that the screen
// has room for, and no text runs over its frame or into its neighbour. The
// size found is kept, and measured again only when the font (its face, bold or
// italic), the chosen size, the place or the texts change, since the screen is
// redrawn on every pointer move.
class FittedFont {
 public:
  // Sets the canvas (whose font face and style are already set) to the
  // fitting size.
  void Apply(Canvas& canvas, double chosen, const std::vector<std::string>& texts, int width,
             int height);
  void Apply(Canvas& canvas, double chosen, const std::string& text, int width, int height);

 private:
  void Fit(Canvas& canvas, double chosen, std::span<const std::string> texts, int width,
           int height);

  std::string font_name_;
  bool bold_ = false;
  bool italic_ = false;
  double chosen_ = -1;
  std::vector<std::string> texts_;
  int width_ = -1;
  int height_ = -1;
  double size_ = 0;
};

}  // namespace tavlo
