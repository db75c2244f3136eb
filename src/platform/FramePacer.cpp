#include "platform/FramePacer.h"

#include <algorithm>

namespace tavlo {

bool FramePacer::Offer(std::int64_t now_nanoseconds) {
  if (!shown_any_ || now_nanoseconds - last_shown_ >= kFrameNanoseconds) return true;
  pending_ = true;
  return false;
}

void FramePacer::Shown(std::int64_t now_nanoseconds) {
  pending_ = false;
  shown_any_ = true;
  last_shown_ = now_nanoseconds;
}

bool FramePacer::Due(std::int64_t now_nanoseconds) const {
  return pending_ && now_nanoseconds - last_shown_ >= kFrameNanoseconds;
}

int FramePacer::MillisecondsUntilDue(std::int64_t now_nanoseconds) const {
  if (!pending_) return -1;
  const std::int64_t left = std::max<std::int64_t>(last_shown_ + kFrameNanoseconds - now_nanoseconds, 0);
  return static_cast<int>((left + 999'999) / 1'000'000);
}

}  // namespace tavlo
