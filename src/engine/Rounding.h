#pragma once

#include <cmath>
#include <cstdint>

namespace tavlo {

// The nearest whole number, a half going to the even neighbour: how every
// fraction becomes a whole number on screen.
inline std::int32_t nint(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

// Integer halving of a size truncates toward zero.
constexpr std::int32_t HalfOf(std::int32_t size) { return size / 2; }

}  // namespace tavlo
