#include "profiles/GeneralOptionsKeys.h"

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
    case GeneralOptionsControl::WordList:
      model_.SelectNextWordList();
      break;
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
