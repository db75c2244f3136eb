#include "profiles/DialogKeys.h"

#include "platform/InputEvent.h"

namespace tavlo {

DialogKey DialogKeyOf(int key_code, int shift) {
  switch (key_code) {
    case keys::kTab:
      return (shift & shift_state::kShift) != 0 ? DialogKey::Previous : DialogKey::Next;
    case keys::kSpace:
    case keys::kRight:
    case keys::kDown:
      return DialogKey::Next;
    case keys::kLeft:
    case keys::kUp:
      return DialogKey::Previous;
    case keys::kEnter:
      return DialogKey::Activate;
    case keys::kEscape:
      return DialogKey::Cancel;
    default:
      return DialogKey::None;
  }
}

void DialogFocus::Step(int direction, const std::function<bool(int)>& enabled) {
  if (count_ <= 0) return;
  int candidate = current_;
  for (int tried = 1; tried < count_; ++tried) {
    candidate = ((candidate + direction) % count_ + count_) % count_;
    if (enabled(candidate)) {
      current_ = candidate;
      return;
    }
  }
}

void DialogFocus::Set(int control) {
  if (control >= 0 && control < count_) current_ = control;
}

}  // namespace tavlo
