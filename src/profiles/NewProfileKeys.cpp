#include "profiles/NewProfileKeys.h"

#include "platform/InputEvent.h"
#include "profiles/NewProfileModel.h"

namespace tavlo {

NewProfileKeys::NewProfileKeys(NewProfileModel& model)
    : OkCancelKeys(1 + static_cast<int>(model.Rows().size()), DialogButtons::OkAndCancel),
      model_(model) {
  FocusControl(1);
}

int NewProfileKeys::FocusedRow() const {
  const int row = FocusedControl() - 1;
  return row >= 0 && row < static_cast<int>(model_.Rows().size()) ? row : -1;
}

int NewProfileKeys::KeysInRow(int row) const {
  return static_cast<int>(model_.Rows()[static_cast<size_t>(row)].size());
}

void NewProfileKeys::OnText(const std::string& utf8) {
  if (Outcome() != DialogOutcome::Open) return;
  // Outside the name box a blank comes from Space, the step switch.
  if (!NameBoxFocused() && utf8.find_first_not_of(' ') == std::string::npos) return;
  FocusNameBox();
  model_.Type(utf8);
}

void NewProfileKeys::PressKey(int row, int key) {
  if (Outcome() != DialogOutcome::Open || row < 0 || row >= static_cast<int>(model_.Rows().size()) ||
      key < 0 || key >= KeysInRow(row)) {
    return;
  }
  FocusControl(row + 1);
  key_ = -1;
  model_.Press(model_.Rows()[static_cast<size_t>(row)][static_cast<size_t>(key)]);
}

void NewProfileKeys::FocusNameBox() {
  key_ = -1;
  FocusControl(kNameBox);
}

void NewProfileKeys::ActivateOwnControl(int control) {
  if (control != kNameBox) key_ = 0;
}

bool NewProfileKeys::TakeKey(const DialogKeyPress& press) {
  if (press.Code == keys::kBackspace) {
    model_.RubOut();
    return true;
  }
  if (NameBoxFocused()) {
    if (press.Code == keys::kSpace) return true;  // the blank arrives as text
    if (press.Meaning == DialogKey::Activate) {
      Confirm();
      return true;
    }
    return false;
  }
  const int row = FocusedRow();
  if (row < 0 || key_ < 0) return false;
  const int stops = KeysInRow(row) + 1;
  switch (press.Meaning) {
    case DialogKey::Next:
      key_ = (key_ + 1) % stops;
      break;
    case DialogKey::Previous:
      key_ = (key_ + stops - 1) % stops;
      break;
    case DialogKey::Activate:
      if (key_ < KeysInRow(row)) {
        model_.Press(model_.Rows()[static_cast<size_t>(row)][static_cast<size_t>(key_)]);
      }
      key_ = -1;
      break;
    case DialogKey::Cancel:
      key_ = -1;
      break;
    case DialogKey::None:
      break;
  }
  return true;
}

bool NewProfileKeys::StoreChoices() { return model_.Accept(); }

}  // namespace tavlo
