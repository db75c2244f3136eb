#pragma once

#include <string>

#include "platform/ModalDialog.h"
#include "profiles/DialogLook.h"
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
class Options15Dialog : public ModalDialog {
 public:
  Options15Dialog(Options15Model& model, Options15Captions captions, DialogChrome chrome);

  DialogOutcome Outcome() const { return keys_.Outcome(); }
  const Options15Keys& Keys() const { return keys_; }

  bool DrawFrame(DialogPictures& pictures) override;
  void OnKey(int key_code, int shift) override { keys_.OnKey(key_code, shift); }
  void Answer(DialogAnswer answer) override;
  bool Closed() const override { return keys_.Outcome() != DialogOutcome::Open; }

 private:
  void DrawSpeeds();

  Options15Model& model_;
  Options15Keys keys_;
  Options15Captions captions_;
  DialogChrome chrome_;
};

}  // namespace tavlo
