#pragma once

#include "profiles/OkCancelKeys.h"

namespace tavlo {

class AccessOptionsModel;

// The controls of the access dialog in the order the focus visits them.
enum class AccessOptionsControl {
  SpeakHighlight,
  StepSwitch,
  SelectSwitch,
  Accept,
  PostSelectPause,
  FirstItemDelay,
  ScanLoops,
  ScanFrameButtons,
  OKButton,
  CancelButton,
};

// The keyboard and switch rules of the access dialog. Enter toggles a check
// box, steps a time or the rounds to the next choice, and on a switch starts
// learning it: the next key or joystick button pressed (or mouse button
// clicked) becomes that switch, and Escape keeps the old one.
class AccessOptionsKeys : public OkCancelKeysFor<AccessOptionsControl> {
 public:
  explicit AccessOptionsKeys(AccessOptionsModel& model) : model_(model) {}

  // A joystick button while a switch is being learnt.
  void OnJoystickButton(int button);

 private:
  void Activate(AccessOptionsControl control) override;
  bool TakeKey(const DialogKeyPress& press) override;
  bool StoreChoices() override;

  AccessOptionsModel& model_;
};

}  // namespace tavlo
