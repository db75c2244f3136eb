#include "profiles/Options15Keys.h"

#include "profiles/Options15Model.h"

namespace tavlo {

void Options15Keys::OnKey(int key_code, int shift) {
  if (outcome_ != DialogOutcome::Open) return;
  const auto every_control = [](int) { return true; };
  switch (DialogKeyOf(key_code, shift)) {
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

void Options15Keys::Activate() {
  const Options15Control focused = Focused();
  switch (focused) {
    case Options15Control::WordList:
      model_.General().SelectNextWordList();
      break;
    case Options15Control::RandomWord:
      model_.General().RandomWord = !model_.General().RandomWord;
      break;
    case Options15Control::SlowSpeed:
    case Options15Control::MiddleSpeed:
    case Options15Control::FastSpeed:
      model_.SelectSpeed(static_cast<int>(focused) - static_cast<int>(Options15Control::SlowSpeed));
      break;
    case Options15Control::OKButton:
      Confirm();
      break;
    case Options15Control::CancelButton:
      Cancel();
      break;
  }
}

void Options15Keys::Confirm() {
  if (outcome_ != DialogOutcome::Open) return;
  model_.StoreOptions();
  outcome_ = DialogOutcome::Confirmed;
}

void Options15Keys::Cancel() {
  if (outcome_ == DialogOutcome::Open) outcome_ = DialogOutcome::Cancelled;
}

}  // namespace tavlo
