#pragma once

#include <string>

#include "profiles/OkCancelDialog.h"
#include "profiles/Options15Keys.h"

namespace tavlo {

class Options15Model;

// The captions of the steering game's option dialog, from the language's
// option texts.
struct Options15Captions {
  std::string WordListLabel;
  std::string RandomWord;
  std::string SpeedLabel;
};

// The steering game's option dialog on screen: the word-list box, the random
// order box, the three speeds in a frame, OK and Cancel. It draws the model
// and sends keys to its key rules; it keeps no rules of its own.
class Options15Dialog : public OkCancelDialog {
 public:
  Options15Dialog(Options15Model& model, Options15Keys& keys, Options15Captions captions,
                  DialogChrome chrome);

 private:
  void DrawControls(DialogPictures& pictures) override;
  void DrawSpeeds();

  Options15Model& model_;
  Options15Keys& keys_;
  Options15Captions captions_;
};

}  // namespace tavlo
