#pragma once

#include "profiles/ListChoiceKeys.h"
#include "profiles/OkCancelKeys.h"

namespace tavlo {

class FontDialogModel;

// The controls of the font dialog in the order the focus visits them.
enum class FontDialogControl { FontList, OKButton, CancelButton };

// The keyboard and switch rules of the font dialog's list of families, which
// Enter opens (see ListChoiceKeys). Outside the list Escape cancels the
// dialog.
class FontDialogKeys : public OkCancelKeysFor<FontDialogControl> {
 public:
  explicit FontDialogKeys(FontDialogModel& model) : model_(model) {}

  bool ListOpen() const { return list_.Open(); }
  // The mouse used this control: the focus follows it and an open list closes
  // with the selection the mouse made.
  void Focus(FontDialogControl control) override;

 private:
  void Activate(FontDialogControl control) override;
  bool TakeKey(const DialogKeyPress& press) override;
  // OK stores the selected family.
  bool StoreChoices() override;

  FontDialogModel& model_;
  ListChoiceKeys list_;
};

}  // namespace tavlo
