#pragma once

#include <cstdint>

namespace tavlo {

// Shows at most one picture per display refresh. A screen that redraws more
// often (the title's cloud moves every 5 ms) would otherwise spend most of its
// time scaling pictures nobody can see. The last picture always reaches the
// screen: one offered too soon waits until its frame is due, and the owner
// shows it then.
class FramePacer {
 public:
  static constexpr std::int64_t kFrameNanoseconds = 1'000'000'000 / 60;

  // A new picture at time now: true when it may be shown at once; false when
  // it waits (it is then pending, replacing any picture that waited before).
  bool Offer(std::int64_t now_nanoseconds);
  // The owner showed a picture at time now.
  void Shown(std::int64_t now_nanoseconds);
  // True when a waiting picture is due now.
  bool Due(std::int64_t now_nanoseconds) const;
  // Milliseconds (rounded up) until the waiting picture is due; -1 when none waits.
  int MillisecondsUntilDue(std::int64_t now_nanoseconds) const;

 private:
  bool pending_ = false;
  bool shown_any_ = false;
  std::int64_t last_shown_ = 0;
};

}  // namespace tavlo
