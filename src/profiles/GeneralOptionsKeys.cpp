#include "profiles/GeneralOptionsKeys.h"

#include <algorithm>

#include "profiles/GeneralOptionsModel.h"

namespace tavlo {

bool GeneralOptionsKeys::Enabled(GeneralOptionsControl control) const {
  switch (control) {
    case GeneralOptionsControl::Reward:
      return model_.RewardControlsEnabled();
    case GeneralOptionsControl::RewardFrequency:
      return model_.FrequencyEnabled();
    default:
      return true;
  }
}

void GeneralOptionsKeys::Activate(GeneralOptionsControl control) {
  switch (control) {
    case GeneralOptionsControl::WordList: {
      const auto& lists = model_.WordLists();
      if (lists.empty()) break;
      const auto current = std::find(lists.begin(), lists.end(), model_.WordListText);
      // A stored list the table no longer holds steps to the first list.
      const long next = current == lists.end() ? 0 : (current - lists.begin() + 1);
      model_.SelectWordList(static_cast<int>(next % static_cast<long>(lists.size())));
      break;
    }
    case GeneralOptionsControl::RandomWord:
      model_.RandomWord = !model_.RandomWord;
      break;
    case GeneralOptionsControl::Reward:
      model_.SetReward(!model_.Reward);
      break;
    case GeneralOptionsControl::RewardFrequency: {
      const int frequency = model_.RewardFrequency;
      model_.SetRewardFrequency(frequency >= GeneralOptionsModel::kHighestFrequency
                                    ? GeneralOptionsModel::kLowestFrequency
                                    : frequency + 1);
      break;
    }
    case GeneralOptionsControl::OKButton:
    case GeneralOptionsControl::CancelButton:
      break;
  }
}

bool GeneralOptionsKeys::StoreChoices() {
  model_.StoreOptions();
  return true;
}

}  // namespace tavlo
