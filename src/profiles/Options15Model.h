#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "profiles/GeneralOptionsModel.h"

namespace tavlo {

class ProfileStore;

// The animal's speeds of the steering game, slow to fast, in pixels a second.
inline constexpr std::array<int, 3> kGame15Speeds = {50, 75, 100};

// The speed a stored setting stands for: one of the three speeds, and the
// middle one for anything else (a hand-edited or damaged option file), so
// that the animal neither stands still nor races off.
int Game15Speed(std::int16_t setting);

// What the steering game's option dialog shows and stores: the word list and
// random order, as the general options hold them, and the animal's speed.
class Options15Model {
 public:
  static constexpr const char* kGameId = "Game15";

  Options15Model(ProfileStore& profile, std::vector<std::string> word_lists);

  GeneralOptionsModel& General() { return general_; }
  const GeneralOptionsModel& General() const { return general_; }

  // 0, 1 or 2: the index of the chosen speed in kGame15Speeds.
  int SpeedIndex = 1;
  int ChosenSpeed() const { return kGame15Speeds[static_cast<size_t>(SpeedIndex)]; }
  void SelectSpeed(int index);

  // Stores the word list (unless its text is empty), random order and speed.
  void StoreOptions() const;

 private:
  ProfileStore& profile_;
  GeneralOptionsModel general_;
};

}  // namespace tavlo
