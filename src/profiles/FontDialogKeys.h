#pragma once

#include "profiles/DialogKeys.h"

namespace tavlo {

class FontDialogModel;

// The controls of the font dialog in the order the focus visits them.
enum class FontDialogControl { FontList, OKButton, CancelButton };

// The keyboard and switch rules of the font dialog. The list of families is
// long, so Enter on it opens it: then the steps move the selection through
// the families, Enter keeps the one reached and Escape goes back to the one
// selected before. Outside the list Escape cancels the dialog.
class FontDialogKeys {
 public:
  explicit FontDialogKeys(FontDialogModel& model) : model_(model) {}

  FontDialogControl Focused() const { return static_cast<FontDialogControl>(focus_.Current()); }
  bool ListOpen() const { return list_open_; }
  // The mouse used this control: the focus follows it and an open list closes
  // with the selection the mouse made.
  void Focus(FontDialogControl control);

  void OnKey(int key_code, int shift);

  // OK stores the selected family; Cancel stores nothing.
  void Confirm();
  void Cancel();
  DialogOutcome Outcome() const { return outcome_; }

 private:
  void OnListKey(DialogKey key);
  void Activate();

  FontDialogModel& model_;
  DialogFocus focus_{3};
  bool list_open_ = false;
  int selected_before_opening_ = -1;
  DialogOutcome outcome_ = DialogOutcome::Open;
};

}  // namespace tavlo
