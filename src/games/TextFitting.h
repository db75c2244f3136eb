#pragma once

#include <string>
#include <vector>

namespace tavlo {

class Canvas;

// What a text keeps clear of the edges of the frame or button it is printed in.
constexpr int kTextMargin = 5;

// Sets the canvas to the size at which a group of texts that share one kind
// of place is printed: the chosen size when every text fits, else the largest
// whole point size below it (down to 6 points) at which every text is at most
// width pixels wide and a line at most height pixels tall. So a child who
// chose a large print gets the largest that the screen has room for, and no
// text runs over its frame or into its neighbour.
void FitFontSize(Canvas& canvas, double chosen, const std::vector<std::string>& texts, int width,
                 int height);

}  // namespace tavlo
