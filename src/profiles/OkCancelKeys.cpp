#include "profiles/OkCancelKeys.h"

namespace tavlo {

OkCancelKeys::OkCancelKeys(int own_controls, DialogButtons buttons)
    : ok_control_(own_controls),
      buttons_(buttons),
      focus_(own_controls + (buttons == DialogButtons::OkAndCancel ? 2 : 1)) {}

bool OkCancelKeys::CancelFocused() const {
  return buttons_ == DialogButtons::OkAndCancel && focus_.Current() == ok_control_ + 1;
}

void OkCancelKeys::OnKey(int key_code, int shift) {
  if (outcome_ != DialogOutcome::Open) return;
  const DialogKeyPress press{key_code, shift, DialogKeyOf(key_code, shift)};
  if (TakeKey(press)) return;
  const auto enabled = [this](int control) {
    return control >= ok_control_ || OwnControlEnabled(control);
  };
  switch (press.Meaning) {
    case DialogKey::Next:
      focus_.Step(+1, enabled);
      break;
    case DialogKey::Previous:
      focus_.Step(-1, enabled);
      break;
    case DialogKey::Activate:
      ActivateFocused();
      break;
    case DialogKey::Cancel:
      Cancel();
      break;
    case DialogKey::None:
      break;
  }
}

void OkCancelKeys::ActivateFocused() {
  if (OkFocused()) {
    Confirm();
  } else if (CancelFocused()) {
    Cancel();
  } else {
    ActivateOwnControl(focus_.Current());
  }
}

void OkCancelKeys::Confirm() {
  if (outcome_ != DialogOutcome::Open) return;
  if (StoreChoices()) outcome_ = DialogOutcome::Confirmed;
}

void OkCancelKeys::Cancel() {
  if (outcome_ == DialogOutcome::Open) outcome_ = DialogOutcome::Cancelled;
}

}  // namespace tavlo
