#pragma once

#include <string>

#include "platform/Surface.h"
#include "profiles/OkCancelDialog.h"
#include "profiles/ProfileDialogKeys.h"

namespace tavlo {

class ProfileDialogModel;

// The profile dialog's button pictures and what each button does, in words.
struct ProfileDialogLook {
  Surface NewPicture;
  Surface RemovePicture;
  Surface ResetPicture;
  std::string NewTip;
  std::string RemoveTip;
  std::string ResetTip;
  std::string OkTip;
  // What the last action did, shown below the buttons until the next one.
  std::string Notice;
};

// The profile dialog on screen: the list of profiles, the New, Remove and
// Reset picture buttons and OK. Below the buttons it says what the focused
// button does, or what the last action did.
class ProfileDialog : public OkCancelDialog {
 public:
  ProfileDialog(ProfileDialogModel& model, ProfileDialogKeys& keys, const ProfileDialogLook& look,
                DialogChrome chrome);

 private:
  void DrawControls(DialogPictures& pictures) override;
  void DrawList();
  void DrawButtons(DialogPictures& pictures);
  void DrawCaption();

  ProfileDialogModel& model_;
  ProfileDialogKeys& keys_;
  const ProfileDialogLook& look_;
  int scroll_frames_ = 3;
};

}  // namespace tavlo
