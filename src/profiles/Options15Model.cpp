#include "profiles/Options15Model.h"

#include <algorithm>

#include "state/ProfileStore.h"

namespace tavlo {
namespace {

int IndexOfSpeed(int speed) {
  const auto found = std::find(kGame15Speeds.begin(), kGame15Speeds.end(), speed);
  return found == kGame15Speeds.end() ? -1 : static_cast<int>(found - kGame15Speeds.begin());
}

constexpr int kMiddleSpeed = 1;

}  // namespace

int Game15Speed(std::int16_t setting) {
  const int index = IndexOfSpeed(setting);
  return kGame15Speeds[static_cast<size_t>(index < 0 ? kMiddleSpeed : index)];
}

Options15Model::Options15Model(ProfileStore& profile, std::vector<std::string> word_lists)
    : profile_(profile), general_(profile, kGameId, std::move(word_lists)) {
  SpeedIndex = IndexOfSpeed(Game15Speed(profile_.GetGame15Setting()));
}

void Options15Model::SelectSpeed(int index) {
  if (index >= 0 && index < static_cast<int>(kGame15Speeds.size())) SpeedIndex = index;
}

void Options15Model::StoreOptions() const {
  const GeneralOptionsModel& general = general_;
  if (!general.WordListText.empty()) profile_.SetWordList(kGameId, general.WordListText);
  profile_.SetRandomWord(kGameId, general.RandomWord ? 1 : 0);
  profile_.SetGame15Setting(ChosenSpeed());
}

}  // namespace tavlo
