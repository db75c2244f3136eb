#pragma once

namespace tavlo {

class Form;
class KeySwitchClass;

// The scanning keys the picture screens share: Space and Right step the
// highlight on, Left steps it back, Enter clicks the highlighted item as a
// left click. False for any other key, which the screen handles itself.
bool HandleScanKey(Form& form, KeySwitchClass& switches, int key_code);

}  // namespace tavlo
