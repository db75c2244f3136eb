#pragma once

#include <string>

#include "profiles/NewProfileKeys.h"
#include "profiles/OkCancelDialog.h"

namespace tavlo {

class NewProfileModel;

// The new profile dialog on screen: the question, the name box, why a name
// was refused, the on-screen keyboard, OK and Cancel.
class NewProfileDialog : public OkCancelDialog {
 public:
  NewProfileDialog(NewProfileModel& model, NewProfileKeys& keys, DialogChrome chrome);

  void OnText(const std::string& utf8) override { keys_.OnText(utf8); }
  const NewProfileModel& Model() const { return model_; }

 private:
  void DrawControls(DialogPictures& pictures) override;
  void DrawNameBox();
  void DrawKeyboard();

  NewProfileModel& model_;
  NewProfileKeys& keys_;
};

}  // namespace tavlo
