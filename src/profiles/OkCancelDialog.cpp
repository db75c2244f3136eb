#include "profiles/OkCancelDialog.h"

#include <imgui.h>

#include "profiles/DialogLook.h"

namespace tavlo {

OkCancelDialog::OkCancelDialog(std::string window_id, float width, OkCancelKeys& keys,
                               DialogChrome chrome)
    : window_id_(std::move(window_id)), width_(width), keys_(keys), chrome_(std::move(chrome)) {}

void OkCancelDialog::Answer(DialogAnswer answer) {
  if (answer == DialogAnswer::Ok) {
    keys_.Confirm();
  } else {
    keys_.Cancel();
  }
}

bool OkCancelDialog::DrawFrame(DialogPictures& pictures) {
  if (Closed()) return false;
  dialog_look::BeginDialogWindow(window_id_.c_str(), width_, chrome_, pictures);
  DrawControls(pictures);
  const OkCancelButton focused = keys_.OkFocused()       ? OkCancelButton::Ok
                                 : keys_.CancelFocused() ? OkCancelButton::Cancel
                                                         : OkCancelButton::None;
  switch (dialog_look::DrawOkCancelButtons(chrome_, pictures, keys_.Buttons(), focused)) {
    case OkCancelButton::Ok:
      keys_.Confirm();
      break;
    case OkCancelButton::Cancel:
      keys_.Cancel();
      break;
    case OkCancelButton::None:
      break;
  }
  ImGui::End();
  return true;
}

}  // namespace tavlo
