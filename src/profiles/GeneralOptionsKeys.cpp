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

void GeneralOptionsKeys::OnKey(int key_code, int shift) {
  if (outcome_ != DialogOutcome::Open) return;
  const auto enabled = [this](int control) {
    return Enabled(static_cast<GeneralOptionsControl>(control));
  };
  switch (DialogKeyOf(key_code, shift)) {
    case DialogKey::Next:
      focus_.Step(+1, enabled);
      break;
    case DialogKey::Previous:
      focus_.Step(-1, enabled);
      break;
    case DialogKey::Activate:
      Activate();
      break;
    case DialogKey::Cancel:
      Cancel();
      break;
    case DialogKey::None:
      break;
  }
}

void GeneralOptionsKeys::Activate() {
  switch (Focused()) {
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
      Confirm();
      break;
    case GeneralOptionsControl::CancelButton:
      Cancel();
      break;
  }
}

void GeneralOptionsKeys::Confirm() {
  if (outcome_ != DialogOutcome::Open) return;
  model_.StoreOptions();
  outcome_ = DialogOutcome::Confirmed;
}

void GeneralOptionsKeys::Cancel() {
  if (outcome_ == DialogOutcome::Open) outcome_ = DialogOutcome::Cancelled;
}

}  // namespace tavlo
