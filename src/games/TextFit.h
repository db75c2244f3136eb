#pragma once

#include <string>
#include <vector>

namespace tavlo {

class Canvas;

// The smallest size a fitted text is drawn at, however little room it has.
inline constexpr double kSmallestFittedPoints = 6;

// Sets the canvas font size for texts that must stay inside a place of
// max_width x max_height pixels (a height of 0 leaves the height free): the
// wanted size when every text fits at it, else the largest whole point size
// below it at which the widest of them fits. So a large font chosen with F6
// grows the texts as far as their frames allow and never lets one run out.
void FitFontSize(Canvas& canvas, double points, int max_width, int max_height,
                 const std::vector<std::string>& texts);
void FitFontSize(Canvas& canvas, double points, int max_width, int max_height,
                 const std::string& text);

}  // namespace tavlo
