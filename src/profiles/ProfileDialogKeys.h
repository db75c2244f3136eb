#pragma once

#include "profiles/ListChoiceKeys.h"
#include "profiles/OkCancelKeys.h"

namespace tavlo {

class ProfileDialogModel;

// The controls of the profile dialog in the order the focus visits them.
enum class ProfileControl { ProfileList, NewButton, RemoveButton, ResetButton, OKButton };

// A button of the profile dialog that needs more than the dialog itself: a
// name typed in another dialog, or a question answered first.
enum class ProfileAction { None, New, Remove, Reset };

// The keyboard and switch rules of the profile dialog. Enter opens the list
// of profiles (see ListChoiceKeys). New, Remove and Reset end the dialog
// with their action, for the caller to carry out and show the dialog again;
// OK ends it with no action; Escape cancels it.
class ProfileDialogKeys : public OkCancelKeysFor<ProfileControl, DialogButtons::OkOnly> {
 public:
  ProfileDialogKeys(ProfileDialogModel& model, ProfileControl focus);

  bool ListOpen() const { return list_.Open(); }
  ProfileAction Requested() const { return requested_; }
  // The mouse pressed one of the action buttons.
  void Request(ProfileAction action);
  void Focus(ProfileControl control) override;
  // Remove needs a selected profile.
  bool Enabled(ProfileControl control) const override;

 private:
  void Activate(ProfileControl control) override;
  bool TakeKey(const DialogKeyPress& press) override;
  bool StoreChoices() override { return true; }

  ProfileDialogModel& model_;
  ListChoiceKeys list_;
  ProfileAction requested_ = ProfileAction::None;
};

}  // namespace tavlo
