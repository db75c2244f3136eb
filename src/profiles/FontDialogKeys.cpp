#include "profiles/FontDialogKeys.h"

#include "profiles/FontDialogModel.h"

namespace tavlo {

void FontDialogKeys::Focus(FontDialogControl control) {
  list_open_ = false;
  focus_.Set(static_cast<int>(control));
}

void FontDialogKeys::OnKey(int key_code, int shift) {
  if (outcome_ != DialogOutcome::Open) return;
  const DialogKey key = DialogKeyOf(key_code, shift);
  if (list_open_) {
    OnListKey(key);
    return;
  }
  const auto every_control = [](int) { return true; };
  switch (key) {
    case DialogKey::Next:
      focus_.Step(+1, every_control);
      break;
    case DialogKey::Previous:
      focus_.Step(-1, every_control);
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

void FontDialogKeys::OnListKey(DialogKey key) {
  const int count = static_cast<int>(model_.Families().size());
  switch (key) {
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
}

void FontDialogKeys::Activate() {
  switch (Focused()) {
    case FontDialogControl::FontList:
      // An empty list has nothing to step through.
      if (model_.Families().empty()) break;
      selected_before_opening_ = model_.Selected;
      if (model_.Selected < 0) model_.Selected = 0;
      list_open_ = true;
      break;
    case FontDialogControl::OKButton:
      Confirm();
      break;
    case FontDialogControl::CancelButton:
      Cancel();
      break;
  }
}

void FontDialogKeys::Confirm() {
  if (outcome_ != DialogOutcome::Open) return;
  model_.StoreFont();
  outcome_ = DialogOutcome::Confirmed;
}

void FontDialogKeys::Cancel() {
  if (outcome_ == DialogOutcome::Open) outcome_ = DialogOutcome::Cancelled;
}

}  // namespace tavlo
