#pragma once

#include <string>

#include "profiles/GeneralOptionsKeys.h"
#include "profiles/OkCancelDialog.h"

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
class GeneralOptionsDialog : public OkCancelDialog {
 public:
  GeneralOptionsDialog(GeneralOptionsModel& model, GeneralOptionsKeys& keys,
                       GeneralOptionsCaptions captions, DialogChrome chrome);

 private:
  void DrawControls(DialogPictures& pictures) override;
  void DrawWordList();
  void DrawRewardControls();

  GeneralOptionsModel& model_;
  GeneralOptionsKeys& keys_;
  GeneralOptionsCaptions captions_;
};

}  // namespace tavlo
