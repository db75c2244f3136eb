#pragma once

#include <cstdint>

namespace tavlo {

// Colours are 32-bit values laid out as 0x00BBGGRR, the layout every screen's
// colour constants are written in. Conversion to a surface's pixel layout
// happens only inside Surface.
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int RedOf(Color color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

// What reading a pixel outside an image gives.
constexpr Color kNoPixel = 0xFFFFFFFF;

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kWhite = RGB(255, 255, 255);
// The highlight border of every screen.
constexpr Color kHighlightBlue = 0xFF0000;

}  // namespace tavlo
