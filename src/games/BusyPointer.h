#pragma once

namespace tavlo {

class Platform;

// Shows the hourglass pointer while it lives: a game building its next round
// (loading pictures, laying out) shows that it is busy, and the arrow comes
// back however the building ends.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform);
  ~BusyPointer();
  // One pointer change, one pointer back: never copied (and, holding a
  // reference, never assigned).
  BusyPointer(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

}  // namespace tavlo
