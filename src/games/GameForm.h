#pragma once

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/SpriteClass.h"
#include "engine/Timer.h"
#include "games/RewardShow.h"

namespace tavlo {

class MediaControl;

// The frame every game screen shares: its life cycle from load to leaving,
// the three frame buttons (stop, listen, next), the keys, the scanning timer,
// the pointer highlight, the input lock and the answer counts. A game fills
// in its own procedures: what its sprites are, how a round is built, laid
// out, drawn, answered and spoken.
class GameForm : public Form {
 public:
  // game_number is 1 to 15; the form returns to main_menu when it leaves.
  GameForm(Application& app, ProgramState& state, MediaControl& media, Form& main_menu,
           int game_number);

  void Form_Load() override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_CloseRequested() override { ExitForm(); }

  // Options, word list and timer; false when the game cannot run (its word
  // list does not load and the user cancelled the options).
  bool SetUpGame();
  // Leaves the game: silence, sprites released, back to the main menu.
  void ExitForm();
  // Redraws the whole window.
  virtual void UpdateScreen() = 0;

  const std::string& GameId() const { return game_id_; }
  KeySwitchClass& Switches() { return switches_; }
  SpriteClass gStopButton;
  SpriteClass gListenButton;
  SpriteClass gNextButton;

 protected:
  // The game's own preparation of its choices during set-up.
  virtual void PrepareChoices() {}
  // Loads the game's sprites, then calls LoadFrameButtons.
  virtual void LoadGameGraphics() = 0;
  // Releases the game's sprites, then calls FreeFrameButtons.
  virtual void FreeGameGraphics() = 0;
  // Builds the next item from the word list.
  virtual void StartRound() = 0;
  // The spoken help of the listen button (-1) or of answer i.
  virtual void SpeakAnswer(int i) = 0;
  // The game's own hit tests, after the frame buttons.
  virtual void GameMouseDown(int button, int shift, int x, int y) = 0;
  // The sprites whose highlight follows the pointer.
  virtual std::vector<SpriteClass*> ChoiceSprites() = 0;

  void LoadFrameButtons();
  void FreeFrameButtons();
  // Draws the frame buttons that the flags name, see-through.
  void DrawFrameButtons(bool stop, bool fourth, bool listen, bool next);
  void DrawHighlightBorder(SpriteClass& sprite);
  void UpdateHover(SpriteClass& sprite, int x, int y);
  // The game's name in black, centred above the game between the frame buttons.
  void DrawTitle();
  // A right or a wrong answer reaches the profile's counts for this game.
  void CountCorrect();
  void CountWrong();
  bool InputLocked() const;
  void LockInput();

  ProgramState& state_;
  MediaControl& media_;
  RewardShow Rewards;
  bool RewardOn = false;
  std::int16_t RewardFrequency = 0;

 private:
  void OneKeyTimer_Timer();
  // Shows a dialog, then sets the game up again as the dialog asks.
  void AfterOptionsDialog();

  Form& main_menu_;
  int game_number_;
  std::string game_id_;
  KeySwitchClass switches_;
  Timer one_key_timer_;
};

}  // namespace tavlo
