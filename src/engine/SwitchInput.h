#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/AccessSettings.h"
#include "platform/InputEvent.h"

namespace tavlo {

// Where input goes: a screen, or a dialog, where the mouse always stays the
// mouse so that a grown-up can click its controls.
enum class SwitchScope { Screen, Dialog };

// Turns the platform's input into what the screens know: the two switches
// arrive as Space (step) and Enter (select), whatever they are plugged in as,
// each press counted once it has been held for the acceptance time. Other
// input passes unchanged, except joystick buttons that are no switch, which
// no screen takes. Times are milliseconds of one clock.
class SwitchInput {
 public:
  // The raw event as one of the two switches' keys, at once and without
  // the acceptance time: the event itself when it is no switch, nothing for
  // a joystick button that is none. For places that see presses only, not
  // releases (dialogs).
  static std::optional<InputEvent> Translate(const InputEvent& raw, const AccessSettings& access,
                                             SwitchScope scope);
  // What the raw event becomes: nothing while a press waits for its
  // acceptance time or was too short, else the event for the screen.
  std::optional<InputEvent> Take(const InputEvent& raw, const AccessSettings& access,
                                 std::int64_t now, SwitchScope scope = SwitchScope::Screen);
  // A switch held long enough by now: its key-down, once.
  std::optional<InputEvent> TakeDue(const AccessSettings& access, std::int64_t now);
  // Milliseconds until TakeDue has a press; -1 when none is waiting.
  std::int64_t MillisecondsToDue(const AccessSettings& access, std::int64_t now) const;
  // The program becomes busy (a sound it waits for): a press still waiting
  // for its acceptance time was made for what was on screen before, and
  // never counts.
  void Busy();
  // Input that arrives while the program is busy is not taken: the switches
  // follow it, but a press made then never counts.
  void Drop(const InputEvent& raw, const AccessSettings& access);

 private:
  enum class Held { No, Waiting, Counted, Spent };
  struct SwitchState {
    Held State = Held::No;
    std::int64_t Since = 0;
  };
  // 0 for the step switch, 1 for the select switch.
  static constexpr int kStep = 0;
  static constexpr int kSelect = 1;

  static std::optional<int> RoleOf(const InputEvent& raw, const AccessSettings& access,
                                   SwitchScope scope);
  static InputEvent KeyOf(int role, EventType type, int shift);

  std::array<SwitchState, 2> switches_{};
};

}  // namespace tavlo
