#include "profiles/Options15Keys.h"

#include "profiles/Options15Model.h"

namespace tavlo {

void Options15Keys::Activate(Options15Control control) {
  switch (control) {
    case Options15Control::WordList:
      model_.General().SelectNextWordList();
      break;
    case Options15Control::RandomWord:
      model_.General().RandomWord = !model_.General().RandomWord;
      break;
    case Options15Control::SlowSpeed:
    case Options15Control::MiddleSpeed:
    case Options15Control::FastSpeed:
      model_.SelectSpeed(static_cast<int>(control) - static_cast<int>(Options15Control::SlowSpeed));
      break;
    case Options15Control::OKButton:
    case Options15Control::CancelButton:
      break;
  }
}

bool Options15Keys::StoreChoices() {
  model_.StoreOptions();
  return true;
}

}  // namespace tavlo
