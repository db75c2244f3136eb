#pragma once

#include <cstdint>
#include <functional>

namespace tavlo {

class Form;

// A form's timer: while enabled, with an interval above 0, and while its form
// is loaded, it ticks every Interval milliseconds. Ticks are delivered by the
// application between event handlers, never inside one, and a tick that is
// late (the program was waiting) comes once, not once per missed interval.
class Timer {
 public:
  Timer(Form& owner, std::function<void()> on_tick);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  // Setting either restarts the count: the next tick is one interval away.
  void SetInterval(int milliseconds);
  void SetEnabled(bool enabled);
  // Moves the next tick this much later, once; the ticks after it keep the
  // interval.
  void Postpone(int milliseconds) { due_ += milliseconds; }

  Form& Owner() { return owner_; }

 private:
  friend class Application;
  void Restart();

  Form& owner_;
  std::function<void()> on_tick_;
  int interval_ = 0;
  bool enabled_ = false;
  bool ticking_ = false;
  std::int64_t due_ = 0;
};

}  // namespace tavlo
