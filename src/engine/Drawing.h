#pragma once

#include <cstdint>
#include <string>

#include "platform/Color.h"
#include "platform/Surface.h"

namespace tavlo {

class Form;

// A rectangle as left, top, right, bottom; the right and bottom edges lie
// outside it.
struct Rect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  bool operator==(const Rect&) const = default;
};

// Draws width x height pixels of the source from (source_x, source_y) at
// (x, y), leaving out every source pixel of the key colour. A key that is no
// colour (kNoPixel) leaves nothing out.
void MaskBlit(Surface& destination, int x, int y, int width, int height, const Surface& source,
              int source_x, int source_y, Color key);

// The overlap of a and b into result. False, with result all zero, when they
// do not overlap (rectangles that only touch do not).
bool IntersectRects(const Rect& a, const Rect& b, Rect& result);

// A small black-framed light yellow label in 8-point text, centred on x with
// the text's top two pixels below y.
void DrawToolTip(Form& form, int x, int y, const std::string& text);

}  // namespace tavlo
