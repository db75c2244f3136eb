#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <string>

namespace tavlo {

// The joysticks and gamepads SDL finds, each opened when it is plugged in
// (and those plugged in already when watching starts) and closed when it is
// pulled out, so that their buttons arrive as events.
//
// For tests of the whole program, the environment variable
// TAVLO_TEST_JOYSTICK names a text file: while watching, a virtual gamepad is
// attached, and each line appended to the file ("down N", "up N") presses or
// releases its button N.
class SdlJoysticks {
 public:
  SdlJoysticks() = default;
  ~SdlJoysticks();
  SdlJoysticks(const SdlJoysticks&) = delete;
  SdlJoysticks& operator=(const SdlJoysticks&) = delete;

  void Watch(bool watch);
  // SDL cannot wait for a joystick's input: while watching, the event wait
  // must look for it itself.
  bool Watching() const { return watching_; }
  // Opens or closes the device of a device event; false for other events.
  bool HandleDeviceEvent(const SDL_Event& event);
  // Presses and releases the virtual gamepad's buttons as the test file says.
  void ReadTestFeed();

 private:
  void AttachTestGamepad();
  void CloseAll();

  bool watching_ = false;
  std::map<SDL_JoystickID, SDL_Joystick*> open_;
  std::string feed_file_;
  std::uintmax_t feed_read_ = 0;
  SDL_Joystick* test_gamepad_ = nullptr;
};

}  // namespace tavlo
