#include "profiles/ProfileDialogKeys.h"

#include "profiles/ProfileDialogModel.h"

namespace tavlo {

ProfileDialogKeys::ProfileDialogKeys(ProfileDialogModel& model, ProfileControl focus)
    : model_(model) {
  FocusControl(static_cast<int>(Enabled(focus) ? focus : ProfileControl::ProfileList));
}

void ProfileDialogKeys::Request(ProfileAction action) {
  if (action == ProfileAction::Remove && !Enabled(ProfileControl::RemoveButton)) return;
  requested_ = action;
  Confirm();
}

void ProfileDialogKeys::Focus(ProfileControl control) {
  list_.Close();
  OkCancelKeysFor::Focus(control);
}

bool ProfileDialogKeys::Enabled(ProfileControl control) const {
  return control != ProfileControl::RemoveButton || model_.Selected >= 0;
}

void ProfileDialogKeys::Activate(ProfileControl control) {
  switch (control) {
    case ProfileControl::ProfileList:
      list_.OpenAt(model_.Selected, static_cast<int>(model_.Names().size()));
      break;
    case ProfileControl::NewButton:
      Request(ProfileAction::New);
      break;
    case ProfileControl::RemoveButton:
      Request(ProfileAction::Remove);
      break;
    case ProfileControl::ResetButton:
      Request(ProfileAction::Reset);
      break;
    case ProfileControl::OKButton:
      break;
  }
}

bool ProfileDialogKeys::TakeKey(const DialogKeyPress& press) {
  return list_.TakeKey(press.Meaning, model_.Selected, static_cast<int>(model_.Names().size()));
}

}  // namespace tavlo
