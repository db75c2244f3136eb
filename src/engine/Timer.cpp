#include "engine/Timer.h"

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/MilliTimer.h"

namespace tavlo {

Timer::Timer(Form& owner, std::function<void()> on_tick)
    : owner_(owner), on_tick_(std::move(on_tick)) {
  owner_.App().Register(*this);
}

Timer::~Timer() { owner_.App().Unregister(*this); }

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() { due_ = MilliTimer64() + interval_; }

}  // namespace tavlo
