#include "platform/IdleDeviceRule.h"

namespace tavlo {

IdleDeviceRule::Advice IdleDeviceRule::Look(bool sounding, std::int64_t now_milliseconds) {
  if (sounding) {
    silent_since_.reset();
    return {false, kLookWhileSoundingMilliseconds};
  }
  if (!silent_since_) silent_since_ = now_milliseconds;
  const std::int64_t silent_for = now_milliseconds - *silent_since_;
  if (silent_for >= kCloseAfterMilliseconds) {
    silent_since_.reset();
    return {true, 0};
  }
  return {false, static_cast<int>(kCloseAfterMilliseconds - silent_for)};
}

}  // namespace tavlo
