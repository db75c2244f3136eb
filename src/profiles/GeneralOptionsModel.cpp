#include "profiles/GeneralOptionsModel.h"

#include <algorithm>
#include <array>

#include "state/ProfileStore.h"

namespace tavlo {
namespace {

// These games show no reward animal, so rewards cannot be set for them.
constexpr std::array<const char*, 8> kGamesWithoutRewards = {
    "Game01", "Game04", "Game07", "Game10", "Game11", "Game12", "Game13", "Game15"};

}  // namespace

GeneralOptionsModel::GeneralOptionsModel(ProfileStore& profile, std::string game_id,
                                         std::vector<std::string> word_lists)
    : profile_(profile), game_id_(std::move(game_id)), word_lists_(std::move(word_lists)) {
  WordListText = profile_.GetWordList(game_id_);
  // A list that is not in the game's table cannot be chosen from the box; the
  // first list stands in for it, so that OK after a failed load picks one that
  // loads instead of the missing one again.
  const bool listed =
      std::find(word_lists_.begin(), word_lists_.end(), WordListText) != word_lists_.end();
  if (!listed && !word_lists_.empty()) WordListText = word_lists_.front();
  Reward = profile_.GetReward(game_id_) != 0;
  RewardFrequency = profile_.GetRewardFrequency(game_id_);
  RandomWord = profile_.GetRandomWord(game_id_) != 0;
}

bool GeneralOptionsModel::RewardControlsEnabled() const {
  return std::none_of(kGamesWithoutRewards.begin(), kGamesWithoutRewards.end(),
                      [&](const char* id) { return game_id_ == id; });
}

void GeneralOptionsModel::SetReward(bool reward) {
  if (RewardControlsEnabled()) Reward = reward;
}

void GeneralOptionsModel::SetRewardFrequency(int frequency) {
  if (!FrequencyEnabled()) return;
  RewardFrequency = std::clamp(frequency, kLowestFrequency, kHighestFrequency);
}

void GeneralOptionsModel::SelectWordList(int index) {
  if (index >= 0 && static_cast<size_t>(index) < word_lists_.size()) {
    WordListText = word_lists_[static_cast<size_t>(index)];
  }
}

void GeneralOptionsModel::SelectNextWordList() {
  if (word_lists_.empty()) return;
  const auto current = std::find(word_lists_.begin(), word_lists_.end(), WordListText);
  const long next = current == word_lists_.end() ? 0 : (current - word_lists_.begin() + 1);
  SelectWordList(static_cast<int>(next % static_cast<long>(word_lists_.size())));
}

void GeneralOptionsModel::StoreOptions() const {
  if (!WordListText.empty()) profile_.SetWordList(game_id_, WordListText);
  profile_.SetReward(game_id_, Reward ? 1 : 0);
  profile_.SetRewardFrequency(game_id_, RewardFrequency);
  profile_.SetRandomWord(game_id_, RandomWord ? 1 : 0);
}

}  // namespace tavlo
