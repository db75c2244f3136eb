#pragma once

#include <array>
#include <optional>
#include <span>

#include "engine/AccessSettings.h"

namespace tavlo {

class ProfileStore;

// The two switches, as the access dialog names them.
enum class SwitchRole { Step, Select };

// What the access dialog shows and stores: the profile's access settings as
// the grown-up changes them, and the switch it is learning, if any. A switch
// is learnt by pressing it: the next key, mouse button or joystick button
// becomes that switch. The times step through a few sensible choices.
class AccessOptionsModel {
 public:
  static constexpr std::array<int, 10> kAcceptChoices = {0,   100, 200,  300,  500,
                                                         750, 1000, 1500, 2000, 3000};
  static constexpr std::array<int, 9> kPauseChoices = {0,    250,  500,  1000, 1500,
                                                       2000, 3000, 5000, 10000};
  static constexpr int kMostLoopsChoice = 10;

  explicit AccessOptionsModel(ProfileStore& profile);

  AccessSettings Settings;

  const SwitchSource& Switch(SwitchRole role) const;
  void StartLearning(SwitchRole role);
  void StopLearning() { learning_.reset(); }
  std::optional<SwitchRole> Learning() const { return learning_; }
  // Makes the press the switch that is being learnt. False, and still
  // learning, for a press that cannot be a switch (Escape, Shift, a key
  // without a name).
  bool Learn(const SwitchSource& source);

  // Each steps its value to the next of its choices, from the last back to
  // the first; a value between two choices steps to the larger one.
  void StepAccept();
  void StepPostSelectPause();
  void StepFirstItemDelay();
  void StepScanLoops();
  // The choice a value stands at or just above, for the sliders.
  static int ChoiceIndex(int value, std::span<const int> choices);

  // Stores the settings in the profile. Refused (false, nothing stored) while
  // both switches are the same input, which could not step and select both.
  bool Store();
  // The last Store was refused because the switches are the same.
  bool SameSwitches() const { return same_switches_; }

 private:
  ProfileStore& profile_;
  std::optional<SwitchRole> learning_;
  bool same_switches_ = false;
};

}  // namespace tavlo
