#pragma once

#include <string>

#include "platform/ModalDialog.h"
#include "profiles/DialogChrome.h"
#include "profiles/OkCancelKeys.h"

namespace tavlo {

// A dialog on screen: its window in the middle of the picture with the title
// row, the dialog's own controls, and the OK and Cancel picture buttons
// below them. Keys go to the dialog's rules, and the dialog is closed once
// they have an outcome. A dialog draws only its own controls.
class OkCancelDialog : public ModalDialog {
 public:
  DialogOutcome Outcome() const { return keys_.Outcome(); }

  bool DrawFrame(DialogPictures& pictures) final;
  void OnKey(int key_code, int shift) override { keys_.OnKey(key_code, shift); }
  void Answer(DialogAnswer answer) final;
  bool Closed() const final { return keys_.Outcome() != DialogOutcome::Open; }

 protected:
  // window_id names the window for the drawing library; keys, owned by the
  // caller, must outlive the dialog.
  OkCancelDialog(std::string window_id, float width, OkCancelKeys& keys, DialogChrome chrome);

 private:
  // The dialog's own controls, between the title row and the buttons.
  virtual void DrawControls(DialogPictures& pictures) = 0;

  std::string window_id_;
  float width_;
  OkCancelKeys& keys_;
  DialogChrome chrome_;
};

}  // namespace tavlo
