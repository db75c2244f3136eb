#include "screens/ScanKeys.h"

#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "platform/InputEvent.h"

namespace tavlo {

bool HandleScanKey(Form& form, KeySwitchClass& switches, int key_code) {
  switch (key_code) {
    case keys::kSpace:
    case keys::kRight:
      switches.NextSwitch();
      return true;
    case keys::kLeft:
      switches.PreviousSwitch();
      return true;
    case keys::kEnter:
      form.Form_MouseDown(mouse_buttons::kLeft, 0, switches.GetXPos(), switches.GetYPos());
      return true;
    default:
      return false;
  }
}

}  // namespace tavlo
