#pragma once

#include "profiles/OkCancelKeys.h"

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

// The keyboard and switch rules of the steering game's option dialog's own
// controls: Enter steps the word list to the next list, toggles random order
// and chooses the focused speed.
class Options15Keys : public OkCancelKeysFor<Options15Control> {
 public:
  explicit Options15Keys(Options15Model& model) : model_(model) {}

 private:
  void Activate(Options15Control control) override;
  // OK stores the values in the profile.
  bool StoreChoices() override;

  Options15Model& model_;
};

}  // namespace tavlo
