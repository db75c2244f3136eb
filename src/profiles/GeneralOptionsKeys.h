#pragma once

#include "profiles/OkCancelKeys.h"

namespace tavlo {

class GeneralOptionsModel;

// The controls of the general options dialog in the order the focus visits them.
enum class GeneralOptionsControl {
  WordList,
  RandomWord,
  Reward,
  RewardFrequency,
  OKButton,
  CancelButton,
};

// The keyboard and switch rules of the general options dialog's own
// controls. The view draws the focus and sends the user's keys here; the
// mouse's changes go to the model directly.
class GeneralOptionsKeys : public OkCancelKeysFor<GeneralOptionsControl> {
 public:
  explicit GeneralOptionsKeys(GeneralOptionsModel& model) : model_(model) {}

  // The reward controls grey out for games without rewards, the frequency
  // also while rewards are off.
  bool Enabled(GeneralOptionsControl control) const override;

 private:
  // Enter steps the word list to the next list and the frequency one up,
  // both wrapping round, and toggles a check box.
  void Activate(GeneralOptionsControl control) override;
  // OK stores the values in the profile.
  bool StoreChoices() override;

  GeneralOptionsModel& model_;
};

}  // namespace tavlo
