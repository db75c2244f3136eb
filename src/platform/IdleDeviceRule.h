#pragma once

#include <cstdint>
#include <optional>

namespace tavlo {

// When to let go of the sound device. An open device keeps SDL's mixing
// thread waking some forty times a second, silent or not, so the device is
// closed once it has been silent for a while and opened again by the next
// sound (which then starts from its first sample, only a moment later).
// Short pauses between the sounds of one answer keep it open.
class IdleDeviceRule {
 public:
  static constexpr int kCloseAfterMilliseconds = 3000;
  // While something sounds, how often the owner looks whether it has ended.
  static constexpr int kLookWhileSoundingMilliseconds = 250;

  struct Advice {
    bool Close = false;
    // When to look again (milliseconds) while the device stays open.
    int LookAgainAfter = 0;
  };

  // The owner looked at its open device at time now.
  Advice Look(bool sounding, std::int64_t now_milliseconds);
  // The device was opened again: silence before it no longer counts.
  void Reset() { silent_since_.reset(); }

 private:
  std::optional<std::int64_t> silent_since_;
};

}  // namespace tavlo
