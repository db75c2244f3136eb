#pragma once

#include <cstdint>

namespace tavlo {

class Platform;

// The millisecond clock every screen reads. It counts in 64 bits and hands out
// the 32-bit view the screens store; take differences with ElapsedMilliseconds
// so that they stay right when the 32-bit view wraps after 24.8 days.
std::int32_t MilliTimer();
std::int64_t MilliTimer64();

// later - earlier for two nearby MilliTimer values, across the wrap too.
constexpr std::int32_t ElapsedMilliseconds(std::int32_t later, std::int32_t earlier) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                   static_cast<std::uint32_t>(earlier));
}

// Milliseconds from nanoseconds, the nearest whole number with halves going to
// the even neighbour, as every conversion of a fraction to a whole number here.
std::int64_t RoundNanosecondsToMilliseconds(std::int64_t nanoseconds);

// Points the clock at a platform. The application does this once at start;
// tests point it at their fake platform for their lifetime.
class ClockSource {
 public:
  explicit ClockSource(Platform& platform);
  ~ClockSource();
  ClockSource(const ClockSource&) = delete;
  ClockSource& operator=(const ClockSource&) = delete;

 private:
  Platform* previous_;
};

}  // namespace tavlo
