#pragma once

#include <string>

#include "platform/ModalDialog.h"
#include "profiles/DialogLook.h"
#include "profiles/GeneralOptionsKeys.h"

namespace tavlo {

class GeneralOptionsModel;

// The captions of the general options dialog, from the language's option texts.
struct GeneralOptionsCaptions {
  std::string WordListLabel;
  std::string RandomWord;
  std::string Reward;
  std::string FreqLabel;
};

// The general options dialog on screen: a word-list combo box, the random
// order and reward check boxes, the reward frequency slider, OK and Cancel.
// It draws the model and sends keys to its key rules; it keeps no rules of
// its own.
class GeneralOptionsDialog : public ModalDialog {
 public:
  GeneralOptionsDialog(GeneralOptionsModel& model, GeneralOptionsCaptions captions,
                       DialogChrome chrome);

  DialogOutcome Outcome() const { return keys_.Outcome(); }
  const GeneralOptionsKeys& Keys() const { return keys_; }

  bool DrawFrame(DialogPictures& pictures) override;
  void OnKey(int key_code, int shift) override { keys_.OnKey(key_code, shift); }
  void Answer(DialogAnswer answer) override;
  bool Closed() const override { return keys_.Outcome() != DialogOutcome::Open; }

 private:
  void DrawWordList();
  void DrawRewardControls();

  GeneralOptionsModel& model_;
  GeneralOptionsKeys keys_;
  GeneralOptionsCaptions captions_;
  DialogChrome chrome_;
};

}  // namespace tavlo
