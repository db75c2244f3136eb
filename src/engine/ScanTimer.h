#pragma once

#include <functional>

#include "engine/Timer.h"

namespace tavlo {

class Form;
class KeySwitchClass;

// A screen's one-switch timer (gOneKeyTimer): while enabled it steps the
// screen's scanning list by itself, as if the step switch had been pressed,
// every Interval milliseconds. It follows the profile's access settings: the
// first item reached after a new set of choices keeps the highlight longer,
// a selection is followed by a pause, and after the set number of rounds
// without a press it rests until the next press, which only wakes it.
class ScanTimer {
 public:
  // step makes one step, as the screen's step switch does.
  ScanTimer(Form& owner, KeySwitchClass& switches, std::function<void()> step);
  ~ScanTimer();
  ScanTimer(const ScanTimer&) = delete;
  ScanTimer& operator=(const ScanTimer&) = delete;

  int Interval() const { return timer_.Interval(); }
  // Enabled while the screen scans by itself, resting included.
  bool Enabled() const { return enabled_; }
  // Resting after its rounds ran out without a press.
  bool Resting() const { return resting_; }
  // Either restarts the count: the next step is one interval away, and the
  // rounds start afresh.
  void SetInterval(int milliseconds);
  void SetEnabled(bool enabled);

  Form& Owner() { return owner_; }

 private:
  friend class Application;
  // A key or button press reached the screen. True when the press only woke
  // the resting scan and must go no further.
  bool OnPress(bool switch_press);
  // A selection was handled.
  void OnSelected();
  void Tick();
  // The extra time the current item keeps, when it is the first reached
  // after a new set of choices.
  int FirstItemExtra() const;

  Form& owner_;
  KeySwitchClass& switches_;
  std::function<void()> step_;
  Timer timer_;
  bool enabled_ = false;
  bool resting_ = false;
  int steps_without_press_ = 0;
};

}  // namespace tavlo
