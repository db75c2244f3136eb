#include "platform/ShownRows.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tavlo {
namespace {

// The smallest number of rows that the scale turns into a whole number of
// screen rows; 0 when there is none worth using.
int RowStep(float scale) {
  for (int rows = 1; rows <= 64; ++rows) {
    const float screen_rows = static_cast<float>(rows) * scale;
    if (std::fabs(screen_rows - std::round(screen_rows)) < 0.001f) return rows;
  }
  return 0;
}

const std::uint8_t* Row(const SDL_Surface& pixels, int y) {
  return static_cast<const std::uint8_t*>(pixels.pixels) + static_cast<std::ptrdiff_t>(y) * pixels.pitch;
}

}  // namespace

std::optional<ChangedBand> ShownRows::Changed(const Surface& picture, float scale) const {
  const SDL_Surface* pixels = picture.NativeHandle();
  if (!pixels || !valid_ || pixels->w != width_ || pixels->h != height_) return std::nullopt;
  const int step = RowStep(scale);
  if (step == 0) return std::nullopt;
  const std::size_t row_bytes = static_cast<std::size_t>(width_) * 4;
  int top = 0;
  while (top < height_ && std::memcmp(Row(*pixels, top), &rows_[top * row_bytes], row_bytes) == 0) {
    ++top;
  }
  if (top == height_) return ChangedBand{};
  int bottom = height_;
  while (std::memcmp(Row(*pixels, bottom - 1), &rows_[(bottom - 1) * row_bytes], row_bytes) == 0) {
    --bottom;
  }
  top = std::max(top - kMargin, 0) / step * step;
  bottom = std::min((bottom + kMargin + step - 1) / step * step, height_);
  return ChangedBand{top, bottom};
}

void ShownRows::Take(const Surface& picture, int top, int bottom) {
  const SDL_Surface* pixels = picture.NativeHandle();
  if (!pixels || pixels->format->BytesPerPixel != 4) {
    valid_ = false;
    return;
  }
  const std::size_t row_bytes = static_cast<std::size_t>(pixels->w) * 4;
  if (pixels->w != width_ || pixels->h != height_ || !valid_) {
    width_ = pixels->w;
    height_ = pixels->h;
    rows_.assign(row_bytes * static_cast<std::size_t>(height_), 0);
    // Rows outside the band are unknown: only a whole picture makes the copy good.
    valid_ = top <= 0 && bottom >= height_;
  }
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
    std::memcpy(&rows_[static_cast<std::size_t>(y) * row_bytes], Row(*pixels, y), row_bytes);
  }
}

}  // namespace tavlo
