#include "profiles/FontDialogKeys.h"

#include "profiles/FontDialogModel.h"

namespace tavlo {

void FontDialogKeys::Focus(FontDialogControl control) {
  list_.Close();
  OkCancelKeysFor::Focus(control);
}

bool FontDialogKeys::TakeKey(const DialogKeyPress& press) {
  return list_.TakeKey(press.Meaning, model_.Selected,
                       static_cast<int>(model_.Families().size()));
}

void FontDialogKeys::Activate(FontDialogControl control) {
  // Only the list is the dialog's own.
  if (control == FontDialogControl::FontList) {
    list_.OpenAt(model_.Selected, static_cast<int>(model_.Families().size()));
  }
}

bool FontDialogKeys::StoreChoices() {
  model_.StoreFont();
  return true;
}

}  // namespace tavlo
