#pragma once

#include <string>

#include "profiles/OkCancelKeys.h"

namespace tavlo {

class NewProfileModel;

// The keyboard and switch rules of the new profile dialog. Its controls are
// the name box, one control per row of the on-screen keyboard, then OK and
// Cancel. The dialog opens on the keyboard's first row, because a switch
// user's step key (Space) would type a blank in the name box.
//
// A switch user steps through the rows; Enter on a row steps into it, the
// step keys then move through its keys and a last stop that stands for the
// whole row, and Enter types the key (or, on that last stop, leaves the row
// untouched). After a key the highlight is back on its row.
//
// Typing on a real keyboard goes into the name box from wherever the focus
// is, and puts the focus there: in the box Space types a blank and Enter
// confirms. Backspace takes back a letter anywhere.
class NewProfileKeys : public OkCancelKeys {
 public:
  explicit NewProfileKeys(NewProfileModel& model);

  static constexpr int kNameBox = 0;
  bool NameBoxFocused() const { return FocusedControl() == kNameBox; }
  // The keyboard row that has the focus; -1 when another control has it.
  int FocusedRow() const;
  // The highlighted key of the row stepped into: 0 up to the row's number of
  // keys, which is the stop for the whole row; -1 outside a row.
  int FocusedKey() const { return key_; }

  void OnText(const std::string& utf8);
  // The mouse pressed a key of the on-screen keyboard or the name box.
  void PressKey(int row, int key);
  void FocusNameBox();

 private:
  bool OwnControlEnabled(int control) const override { return control != kNameBox; }
  void ActivateOwnControl(int control) override;
  bool TakeKey(const DialogKeyPress& press) override;
  // Refuses a name the profile store cannot keep, with the reason shown.
  bool StoreChoices() override;

  int KeysInRow(int row) const;

  NewProfileModel& model_;
  int key_ = -1;
};

}  // namespace tavlo
