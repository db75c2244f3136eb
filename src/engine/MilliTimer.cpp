#include "engine/MilliTimer.h"

#include <chrono>

#include "platform/Platform.h"

namespace tavlo {
namespace {

Platform* g_clock_platform = nullptr;

std::int64_t NowNanoseconds() {
  if (g_clock_platform) return g_clock_platform->MonotonicNanoseconds();
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

std::int64_t RoundNanosecondsToMilliseconds(std::int64_t nanoseconds) {
  constexpr std::int64_t kPerMillisecond = 1'000'000;
  std::int64_t whole = nanoseconds / kPerMillisecond;
  std::int64_t rest = nanoseconds % kPerMillisecond;
  if (rest < 0) {
    rest += kPerMillisecond;
    whole -= 1;
  }
  const std::int64_t half = kPerMillisecond / 2;
  if (rest > half || (rest == half && (whole % 2 != 0))) whole += 1;
  return whole;
}

std::int64_t MilliTimer64() { return RoundNanosecondsToMilliseconds(NowNanoseconds()); }

std::int32_t MilliTimer() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(MilliTimer64()));
}

ClockSource::ClockSource(Platform& platform) : previous_(g_clock_platform) {
  g_clock_platform = &platform;
}

ClockSource::~ClockSource() { g_clock_platform = previous_; }

}  // namespace tavlo
