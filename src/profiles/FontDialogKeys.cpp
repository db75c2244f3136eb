#include "profiles/FontDialogKeys.h"

#include "profiles/FontDialogModel.h"

namespace tavlo {

void FontDialogKeys::Focus(FontDialogControl control) {
  list_open_ = false;
  OkCancelKeysFor::Focus(control);
}

bool FontDialogKeys::TakeKey(const DialogKeyPress& press) {
  if (!list_open_) return false;
  const int count = static_cast<int>(model_.Families().size());
  switch (press.Meaning) {
    case DialogKey::Next:
      model_.Selected = (model_.Selected + 1) % count;
      break;
    case DialogKey::Previous:
      model_.Selected = (model_.Selected + count - 1) % count;
      break;
    case DialogKey::Activate:
      list_open_ = false;
      break;
    case DialogKey::Cancel:
      model_.Selected = selected_before_opening_;
      list_open_ = false;
      break;
    case DialogKey::None:
      break;
  }
  return true;
}

void FontDialogKeys::Activate(FontDialogControl control) {
  // Only the list is the dialog's own; an empty list has nothing to step through.
  if (control != FontDialogControl::FontList || model_.Families().empty()) return;
  selected_before_opening_ = model_.Selected;
  if (model_.Selected < 0) model_.Selected = 0;
  list_open_ = true;
}

bool FontDialogKeys::StoreChoices() {
  model_.StoreFont();
  return true;
}

}  // namespace tavlo
