#pragma once

#include "profiles/DialogKeys.h"

namespace tavlo {

class Options15Model;

// The controls of the steering game's option dialog in the order the focus
// visits them: the word list, random order, the three speeds, OK, Cancel.
enum class Options15Control {
  WordList,
  RandomWord,
  SlowSpeed,
  MiddleSpeed,
  FastSpeed,
  OKButton,
  CancelButton,
};

// The keyboard and switch rules of the steering game's option dialog: which
// control has the focus, what Enter does to it, and how the dialog ends.
class Options15Keys {
 public:
  explicit Options15Keys(Options15Model& model) : model_(model) {}

  Options15Control Focused() const { return static_cast<Options15Control>(focus_.Current()); }
  // The mouse used this control, so the focus follows it.
  void Focus(Options15Control control) { focus_.Set(static_cast<int>(control)); }

  // Enter steps the word list to the next list, toggles random order,
  // chooses the focused speed and presses a button.
  void OnKey(int key_code, int shift);

  // OK stores the values in the profile; Cancel stores nothing.
  void Confirm();
  void Cancel();
  DialogOutcome Outcome() const { return outcome_; }

 private:
  void Activate();

  Options15Model& model_;
  DialogFocus focus_{7};
  DialogOutcome outcome_ = DialogOutcome::Open;
};

}  // namespace tavlo
