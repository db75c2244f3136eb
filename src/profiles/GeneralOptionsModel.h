#pragma once

#include <string>
#include <vector>

namespace tavlo {

class ProfileStore;

// What the general options dialog shows and stores for one game: its word
// list, random order, rewards and how often they come. The dialog's view only
// draws this state and forwards the user's changes.
class GeneralOptionsModel {
 public:
  static constexpr int kLowestFrequency = 1;
  static constexpr int kHighestFrequency = 10;

  // Reads the game's values from the profile; word_lists are the lists the
  // game's table holds, in the order the database gives them.
  GeneralOptionsModel(ProfileStore& profile, std::string game_id,
                      std::vector<std::string> word_lists);

  const std::string& GameId() const { return game_id_; }
  const std::vector<std::string>& WordLists() const { return word_lists_; }

  // The word-list box's text: the profile's list when the table has it, else
  // the first list.
  std::string WordListText;
  bool RandomWord = false;
  bool Reward = false;
  int RewardFrequency = kLowestFrequency;

  // Games without a reward animal keep their reward controls greyed out.
  bool RewardControlsEnabled() const;
  // The frequency only matters while rewards are on.
  bool FrequencyEnabled() const { return RewardControlsEnabled() && Reward; }

  void SetReward(bool reward);
  void SetRewardFrequency(int frequency);
  void SelectWordList(int index);
  // The list after the shown one, back to the first after the last; a stored
  // list the table no longer holds steps to the first list.
  void SelectNextWordList();

  // Stores the values in the profile; an empty word-list text keeps the
  // stored list.
  void StoreOptions() const;

 private:
  ProfileStore& profile_;
  std::string game_id_;
  std::vector<std::string> word_lists_;
};

}  // namespace tavlo
