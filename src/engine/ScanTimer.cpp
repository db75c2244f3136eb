#include "engine/ScanTimer.h"

#include <algorithm>

#include "engine/AccessSettings.h"
#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/KeySwitchClass.h"

namespace tavlo {

ScanTimer::ScanTimer(Form& owner, KeySwitchClass& switches, std::function<void()> step)
    : owner_(owner), switches_(switches), step_(std::move(step)), timer_(owner, [this] { Tick(); }) {
  owner_.App().Register(*this);
}

ScanTimer::~ScanTimer() { owner_.App().Unregister(*this); }

void ScanTimer::SetInterval(int milliseconds) {
  timer_.SetInterval(milliseconds);
  steps_without_press_ = 0;
}

void ScanTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  resting_ = false;
  steps_without_press_ = 0;
  timer_.SetEnabled(enabled);
  if (enabled) timer_.Postpone(FirstItemExtra());
}

int ScanTimer::FirstItemExtra() const {
  return switches_.StepsSinceRebuild() == 1 ? owner_.App().Access().FirstItemDelayMilliseconds : 0;
}

void ScanTimer::Tick() {
  step_();
  // The step may have left the screen or stopped the scanning.
  if (!owner_.IsLoaded() || !enabled_) return;
  ++steps_without_press_;
  const AccessSettings& access = owner_.App().Access();
  const int round = std::max<int>(1, static_cast<int>(switches_.Count()));
  if (access.ScanLoops > 0 && steps_without_press_ >= access.ScanLoops * round) {
    resting_ = true;
    timer_.SetEnabled(false);
    return;
  }
  timer_.Postpone(FirstItemExtra());
}

bool ScanTimer::OnPress(bool switch_press) {
  steps_without_press_ = 0;
  if (!resting_) return false;
  resting_ = false;
  timer_.SetEnabled(true);
  return switch_press;
}

void ScanTimer::OnSelected() {
  if (!enabled_ || resting_ || !owner_.IsLoaded()) return;
  const int extra = owner_.App().Access().PostSelectPauseMilliseconds + FirstItemExtra();
  // Without a pause the timer keeps the rhythm it had.
  if (extra <= 0) return;
  timer_.SetEnabled(true);
  timer_.Postpone(extra);
}

}  // namespace tavlo
