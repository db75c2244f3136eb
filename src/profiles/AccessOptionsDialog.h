#pragma once

#include <span>
#include <string>

#include "profiles/AccessOptionsKeys.h"
#include "profiles/AccessOptionsModel.h"
#include "profiles/OkCancelDialog.h"

namespace tavlo {

// The captions of the access dialog, from the language's option texts.
struct AccessOptionsCaptions {
  std::string SpeakHighlight;
  std::string StepSwitch;
  std::string SelectSwitch;
  // Shown on a switch's button while it is being learnt.
  std::string PressNewSwitch;
  std::string Accept;
  std::string PostSelectPause;
  std::string FirstItemDelay;
  std::string ScanLoops;
  // The rounds' value 0.
  std::string NeverRest;
  std::string ScanFrameButtons;
  std::string SameSwitches;
};

// The access dialog on screen: spoken scanning, the two switches, the
// acceptance time, the pause after a selection, the first item's extra
// time, the rounds before scanning rests and the scanning of a game's
// buttons, with OK and Cancel. While a switch is being learnt, keys and
// joystick buttons reach it as they are.
class AccessOptionsDialog : public OkCancelDialog {
 public:
  AccessOptionsDialog(AccessOptionsModel& model, AccessOptionsKeys& keys,
                      AccessOptionsCaptions captions, DialogChrome chrome);

  bool WantsRawInput() const override;
  void OnJoystickButton(int button) override { keys_.OnJoystickButton(button); }

 private:
  void DrawControls(DialogPictures& pictures) override;
  void DrawSwitch(AccessOptionsControl control, SwitchRole role, const std::string& caption,
                  bool was_learning);
  // A slider over a time's choices, shown in seconds; true when moved.
  void DrawTime(AccessOptionsControl control, const std::string& caption, int& milliseconds,
                std::span<const int> choices);
  void DrawLoops();
  void DrawCheckBox(AccessOptionsControl control, const std::string& caption, bool& value);
  // Starts a row: the caption on the left, the control's place on the right.
  void Caption(const std::string& caption);
  void MarkFocus(AccessOptionsControl control);

  AccessOptionsModel& model_;
  AccessOptionsKeys& keys_;
  AccessOptionsCaptions captions_;
};

}  // namespace tavlo
