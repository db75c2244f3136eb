#pragma once

#include "platform/ModalDialog.h"
#include "profiles/DialogLook.h"
#include "profiles/FontDialogKeys.h"

namespace tavlo {

class FontDialogModel;

// The font dialog on screen: the list of the system's font families with
// the game's face selected, OK and Cancel. It draws the model and sends keys
// to its key rules.
class FontDialog : public ModalDialog {
 public:
  FontDialog(FontDialogModel& model, DialogChrome chrome);

  DialogOutcome Outcome() const { return keys_.Outcome(); }
  const FontDialogKeys& Keys() const { return keys_; }

  bool DrawFrame(DialogPictures& pictures) override;
  void OnKey(int key_code, int shift) override;
  void Answer(DialogAnswer answer) override;
  bool Closed() const override { return keys_.Outcome() != DialogOutcome::Open; }

 private:
  void DrawFontList();

  FontDialogModel& model_;
  FontDialogKeys keys_;
  DialogChrome chrome_;
  // The list scrolls to the selection when it opens and after each key.
  bool scroll_to_selection_ = true;
};

}  // namespace tavlo
