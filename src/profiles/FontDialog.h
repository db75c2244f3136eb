#pragma once

#include "profiles/FontDialogKeys.h"
#include "profiles/OkCancelDialog.h"

namespace tavlo {

class FontDialogModel;

// The font dialog on screen: the list of the system's font families with
// the game's face selected, OK and Cancel. It draws the model and sends keys
// to its key rules.
class FontDialog : public OkCancelDialog {
 public:
  FontDialog(FontDialogModel& model, FontDialogKeys& keys, DialogChrome chrome);

  void OnKey(int key_code, int shift) override;

 private:
  void DrawControls(DialogPictures& pictures) override;

  FontDialogModel& model_;
  FontDialogKeys& keys_;
  // The list scrolls to the selection after each key, and over the first
  // frames, while the new window still lays itself out.
  int scroll_frames_ = 3;
};

}  // namespace tavlo
