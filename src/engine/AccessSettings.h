#pragma once

#include "engine/SwitchSource.h"
#include "platform/InputEvent.h"

namespace tavlo {

// How a child reaches the screens with switches, beyond the two scanning
// modes: which inputs are the two switches, how long a press must last, the
// pauses of one-switch scanning, how many rounds it runs, whether it speaks,
// and whether a game's own buttons are scanned. The defaults are the plain
// behaviour: Space steps, Enter selects, every press counts at once, the
// timer keeps its rhythm and runs for ever, and nothing is spoken.
struct AccessSettings {
  // The longest values the screens and the access file accept; a longer one
  // is read as the longest.
  static constexpr int kLongestAcceptMilliseconds = 3000;
  static constexpr int kLongestPauseMilliseconds = 10000;
  static constexpr int kMostScanLoops = 20;

  // Each item the scanning highlight reaches says its name.
  bool SpeakHighlight = false;
  // The step switch and the select switch. They reach the screens as Space
  // and Enter, whatever they are.
  SwitchSource Switch1 = SwitchSource::Key(keys::kSpace);
  SwitchSource Switch2 = SwitchSource::Key(keys::kEnter);
  // A switch press counts once it has been held this long; a shorter press
  // is ignored, so that a tremor is no press.
  int AcceptMilliseconds = 0;
  // After a selection, the one-switch timer waits this long on top of its
  // step time, and the select switch does nothing meanwhile, so that a second
  // hit does not choose again.
  int PostSelectPauseMilliseconds = 0;
  // The first item the highlight reaches after the choices were built anew
  // keeps it this much longer.
  int FirstItemDelayMilliseconds = 0;
  // One-switch scanning stops after this many rounds without a press, and a
  // press starts it again; 0 scans for ever.
  int ScanLoops = 0;
  // In games, the listen, next and stop buttons are scanned after the choices.
  bool ScanFrameButtons = false;

  bool operator==(const AccessSettings&) const = default;

  // True when either switch is a joystick or gamepad button.
  bool UsesJoysticks() const {
    return Switch1.Kind == SwitchKind::JoystickButton || Switch2.Kind == SwitchKind::JoystickButton;
  }
};

}  // namespace tavlo
