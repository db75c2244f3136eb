#pragma once

#include "profiles/DialogKeys.h"

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

// The keyboard and switch rules of the general options dialog: which control
// has the focus, what Enter does to it, and how the dialog ends. The view
// draws the focus and sends the user's keys here; the mouse's changes go to
// the model directly.
class GeneralOptionsKeys {
 public:
  explicit GeneralOptionsKeys(GeneralOptionsModel& model) : model_(model) {}

  GeneralOptionsControl Focused() const {
    return static_cast<GeneralOptionsControl>(focus_.Current());
  }
  bool Enabled(GeneralOptionsControl control) const;
  // The mouse used this control, so the focus follows it.
  void Focus(GeneralOptionsControl control) { focus_.Set(static_cast<int>(control)); }

  // Enter steps the word list to the next list and the frequency one up,
  // both wrapping round, toggles a check box and presses a button.
  void OnKey(int key_code, int shift);

  // OK stores the values in the profile; Cancel stores nothing.
  void Confirm();
  void Cancel();
  DialogOutcome Outcome() const { return outcome_; }

 private:
  void Activate();

  GeneralOptionsModel& model_;
  DialogFocus focus_{6};
  DialogOutcome outcome_ = DialogOutcome::Open;
};

}  // namespace tavlo
