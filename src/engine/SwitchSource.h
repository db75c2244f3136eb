#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// What a switch is plugged in as: a key of the keyboard, a mouse button, or a
// button of any joystick or gamepad.
enum class SwitchKind { Key, MouseButton, JoystickButton };

// One switch: its kind and the key code, mouse button (1 left, 2 right,
// 4 middle) or joystick button number (from 0) it arrives as.
struct SwitchSource {
  SwitchKind Kind = SwitchKind::Key;
  int Code = 0;

  static constexpr SwitchSource Key(int key_code) { return {SwitchKind::Key, key_code}; }
  static constexpr SwitchSource Mouse(int button) { return {SwitchKind::MouseButton, button}; }
  static constexpr SwitchSource Joystick(int button) {
    return {SwitchKind::JoystickButton, button};
  }
  bool operator==(const SwitchSource&) const = default;
};

// The name a switch has in a profile's access file: a key's name ("Space",
// "Enter", "F5", "A", "Left"), "mouse:left", "mouse:right", "mouse:middle" or
// "joystick:N". Names are read without regard to case. Escape is no switch:
// it is every screen's way out.
std::optional<SwitchSource> ParseSwitchSource(std::string_view text);
std::string SwitchSourceName(const SwitchSource& source);

}  // namespace tavlo
