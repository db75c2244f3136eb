#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Surface.h"

namespace tavlo {

// Rows [Top, Bottom) of a picture; empty when Top == Bottom.
struct ChangedBand {
  int Top = 0;
  int Bottom = 0;
};

// A copy of the picture last shown, so that the next one can be shown by
// scaling only the rows it changed: an animation that moves a cloud or an
// animal then costs the rows it touches, not the whole screen.
class ShownRows {
 public:
  // Rows kept on each side of a change, so that the smoothing of the scaled
  // band's edges reads the same picture as the rows around it.
  static constexpr int kMargin = 2;

  // The rows of picture that differ from the copy, widened by the margin and
  // to whole multiples of the smallest row count that the scale turns into
  // whole screen rows (so the band meets its neighbours without a gap). An
  // empty band when nothing changed; nothing when the copy cannot tell (no
  // copy yet, another size) or no row count up to 64 scales to whole rows.
  std::optional<ChangedBand> Changed(const Surface& picture, float scale) const;
  // Copies the picture's rows [top, bottom) as shown; a picture of another
  // size replaces the whole copy (its rows outside the band stay unknown).
  void Take(const Surface& picture, int top, int bottom);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> rows_;
  bool valid_ = false;
};

}  // namespace tavlo
