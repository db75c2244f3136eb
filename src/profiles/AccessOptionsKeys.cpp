#include "profiles/AccessOptionsKeys.h"

#include "platform/InputEvent.h"
#include "profiles/AccessOptionsModel.h"

namespace tavlo {

void AccessOptionsKeys::OnJoystickButton(int button) {
  if (model_.Learning()) model_.Learn(SwitchSource::Joystick(button));
}

bool AccessOptionsKeys::TakeKey(const DialogKeyPress& press) {
  if (!model_.Learning()) return false;
  if (press.Code == keys::kEscape) {
    model_.StopLearning();
  } else {
    model_.Learn(SwitchSource::Key(press.Code));
  }
  return true;
}

void AccessOptionsKeys::Activate(AccessOptionsControl control) {
  switch (control) {
    case AccessOptionsControl::SpeakHighlight:
      model_.Settings.SpeakHighlight = !model_.Settings.SpeakHighlight;
      break;
    case AccessOptionsControl::StepSwitch:
      model_.StartLearning(SwitchRole::Step);
      break;
    case AccessOptionsControl::SelectSwitch:
      model_.StartLearning(SwitchRole::Select);
      break;
    case AccessOptionsControl::Accept:
      model_.StepAccept();
      break;
    case AccessOptionsControl::PostSelectPause:
      model_.StepPostSelectPause();
      break;
    case AccessOptionsControl::FirstItemDelay:
      model_.StepFirstItemDelay();
      break;
    case AccessOptionsControl::ScanLoops:
      model_.StepScanLoops();
      break;
    case AccessOptionsControl::ScanFrameButtons:
      model_.Settings.ScanFrameButtons = !model_.Settings.ScanFrameButtons;
      break;
    case AccessOptionsControl::OKButton:
    case AccessOptionsControl::CancelButton:
      break;
  }
}

bool AccessOptionsKeys::StoreChoices() {
  model_.StopLearning();
  return model_.Store();
}

}  // namespace tavlo
