#include "profiles/ListChoiceKeys.h"

namespace tavlo {

void ListChoiceKeys::OpenAt(int& selected, int count) {
  if (count <= 0) return;
  selected_before_opening_ = selected;
  if (selected < 0 || selected >= count) selected = 0;
  open_ = true;
}

bool ListChoiceKeys::TakeKey(DialogKey meaning, int& selected, int count) {
  if (!open_) return false;
  if (count <= 0) {
    open_ = false;
    return true;
  }
  switch (meaning) {
    case DialogKey::Next:
      selected = (selected + 1) % count;
      break;
    case DialogKey::Previous:
      selected = (selected + count - 1) % count;
      break;
    case DialogKey::Activate:
      open_ = false;
      break;
    case DialogKey::Cancel:
      selected = selected_before_opening_;
      open_ = false;
      break;
    case DialogKey::None:
      break;
  }
  return true;
}

}  // namespace tavlo
