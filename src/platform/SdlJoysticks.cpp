#include "platform/SdlJoysticks.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tavlo {
namespace {

constexpr int kTestGamepadButtons = 8;

}  // namespace

SdlJoysticks::~SdlJoysticks() { Watch(false); }

void SdlJoysticks::Watch(bool watch) {
  if (watch == watching_) return;
  if (watch) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
    watching_ = true;
    // The devices plugged in already arrive as device events too.
    SDL_JoystickEventState(SDL_ENABLE);
    AttachTestGamepad();
    return;
  }
  CloseAll();
  watching_ = false;
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlJoysticks::AttachTestGamepad() {
  const char* file = std::getenv("TAVLO_TEST_JOYSTICK");
  if (!file || !*file) return;
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0,
                                              kTestGamepadButtons, 0);
  if (index < 0) return;
  test_gamepad_ = SDL_JoystickOpen(index);
  feed_file_ = file;
  // Only what is written from now on presses buttons.
  std::ifstream feed(feed_file_, std::ios::binary | std::ios::ate);
  feed_read_ = feed ? static_cast<std::uintmax_t>(feed.tellg()) : 0;
}

void SdlJoysticks::ReadTestFeed() {
  if (!test_gamepad_) return;
  std::ifstream feed(feed_file_, std::ios::binary);
  if (!feed) return;
  feed.seekg(static_cast<std::streamoff>(feed_read_));
  std::string line;
  while (std::getline(feed, line)) {
    // A line still being written waits for its end.
    if (feed.eof()) break;
    feed_read_ += line.size() + 1;
    std::istringstream words(line);
    std::string action;
    int button = -1;
    words >> action >> button;
    if (button < 0 || button >= kTestGamepadButtons) continue;
    if (action == "down" || action == "up") {
      SDL_JoystickSetVirtualButton(test_gamepad_, button,
                                   action == "down" ? SDL_PRESSED : SDL_RELEASED);
    }
  }
}

bool SdlJoysticks::HandleDeviceEvent(const SDL_Event& event) {
  if (event.type == SDL_JOYDEVICEADDED) {
    if (SDL_Joystick* joystick = SDL_JoystickOpen(event.jdevice.which)) {
      const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
      // A device is opened once; a second open only counts a reference.
      if (!open_.emplace(id, joystick).second) SDL_JoystickClose(joystick);
    }
    return true;
  }
  if (event.type == SDL_JOYDEVICEREMOVED) {
    const auto found = open_.find(event.jdevice.which);
    if (found != open_.end()) {
      SDL_JoystickClose(found->second);
      open_.erase(found);
    }
    return true;
  }
  return false;
}

void SdlJoysticks::CloseAll() {
  for (auto& [id, joystick] : open_) SDL_JoystickClose(joystick);
  open_.clear();
  // The virtual gamepad goes with the joystick subsystem.
  if (test_gamepad_) SDL_JoystickClose(test_gamepad_);
  test_gamepad_ = nullptr;
}

}  // namespace tavlo
