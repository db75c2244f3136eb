#pragma once

#include <string>

namespace tavlo {

// Key codes are the Windows virtual-key numbers every screen's key table is
// written in; the platform translates its own keys into them.
namespace keys {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int k0 = 48;
constexpr int kA = 65;
constexpr int kZ = 90;
constexpr int kF1 = 112;
constexpr int kF12 = 123;
constexpr int F(int number) { return kF1 + number - 1; }
}  // namespace keys

// The shift argument of key and mouse handlers: a sum of these.
namespace shift_state {
constexpr int kShift = 1;
constexpr int kControl = 2;
constexpr int kAlt = 4;
}  // namespace shift_state

namespace mouse_buttons {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace mouse_buttons

enum class EventType {
  KeyDown,
  KeyUp,
  // Characters typed, as the keyboard's layout makes them (after the key-down
  // of the same key stroke); Text holds them in UTF-8.
  TextInput,
  MouseDown,
  MouseUp,
  MouseMove,
  // A button of a joystick or gamepad, any of them: Button holds its number
  // (from 0, as the device counts them). Screens never see these; the
  // application makes them switch presses when the profile chose them.
  JoystickButtonDown,
  JoystickButtonUp,
  // The user asked the window manager to close the window.
  CloseRequested,
  // The window's picture was lost (uncovered, resized) and must be shown again.
  Exposed,
};

// Mouse positions are pixels of the 800 x 600 picture, whatever the window's size.
struct InputEvent {
  EventType Type = EventType::Exposed;
  int KeyCode = 0;
  int Shift = 0;
  int Button = 0;
  int X = 0;
  int Y = 0;
  std::string Text{};

  bool IsInput() const { return Type != EventType::CloseRequested && Type != EventType::Exposed; }
};

}  // namespace tavlo
