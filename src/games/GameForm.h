#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Form.h"
#include "games/BusyPointer.h"
#include "engine/KeySwitchClass.h"
#include "engine/ScanTimer.h"
#include "engine/Sound.h"
#include "engine/SpriteClass.h"
#include "engine/Timer.h"
#include "games/GameContext.h"
#include "games/RewardShow.h"
#include "state/ProgramState.h"
#include "state/WordRecord.h"

namespace tavlo {

// Which of the three frame buttons a game shows.
struct FrameButtonSet {
  bool Stop = true;
  bool Listen = true;
  bool Next = true;
};

// Every sprite of a game's collection, as ChoiceSprites hands them out.
template <typename Sprites>
std::vector<SpriteClass*> PointersTo(Sprites& sprites) {
  std::vector<SpriteClass*> pointers;
  for (SpriteClass& sprite : sprites) pointers.push_back(&sprite);
  return pointers;
}

// Where an item's picture lives in the data folder.
enum class PictureFolder { Backgrounds, Images };

// Whether a right answer is greeted with the right-answer sound or counted
// silently (a game that speaks the answer at once instead).
enum class AnswerSound { Play, Silent };

class Platform;

// The frame every game screen shares: its life cycle from load to leaving,
// the three frame buttons (stop, listen, next), the keys, the scanning timer,
// the pointer highlight, the input lock, and what every game does alike with
// an answer. A game fills in its own procedures: what its sprites are, how a
// round is built, laid out, drawn, answered and spoken.
class GameForm : public Form {
 public:
  // The size of the word pictures that the games' frames and slots are made for.
  static constexpr int kWordPictureSize = 85;

  // game_number is 1 to 15; the form returns to the context's main menu when
  // it leaves.
  GameForm(const GameContext& context, int game_number);

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
  // The sprites whose highlight follows the pointer.
  virtual std::vector<SpriteClass*> ChoiceSprites() = 0;

  int GameNumber() const { return game_number_; }
  const std::string& GameId() const { return game_id_; }
  KeySwitchClass& Switches() { return switches_; }
  // Items completed since the last reward show.
  std::int32_t RewardCounter() const { return Rewards.gRewardCounter; }
  SpriteClass gStopButton;
  SpriteClass gListenButton;
  SpriteClass gNextButton;

 protected:
  // The game's own preparation of its choices during set-up.
  virtual void PrepareChoices() {}
  // Loads the game's own sprites; the frame loads its buttons afterwards.
  virtual void LoadGameGraphics() = 0;
  // Releases the game's own sprites; the frame releases its buttons afterwards.
  virtual void FreeGameGraphics() = 0;
  // Builds the next item from the word list.
  virtual void StartRound() = 0;
  // The spoken help of the listen button (-1) or of answer i.
  virtual void SpeakAnswer(int i) = 0;
  // The game's own hit tests, after the frame buttons.
  virtual void GameMouseDown(int button, int shift, int x, int y) = 0;
  // The select switch (Enter) at the scanning position: a left click there,
  // unless the game gives selecting a meaning of its own.
  virtual void SelectSwitch(int x, int y);

  // Drawing: the frame buttons a game shows, see-through (only those are
  // scanned when the frame buttons are); then, after the game's own sprites,
  // the blue borders of the highlighted frame buttons; the game's name
  // centred above the game.
  void DrawFrameButtons(FrameButtonSet buttons = {});
  // The start of every redraw: the window cleared, the game's picture (if it
  // has one filling the window) and the frame buttons; then the game draws
  // its own. The end: the title, and the window shown.
  Canvas& BeginScreen(FrameButtonSet buttons = {});
  Canvas& BeginScreen(SpriteClass& picture, FrameButtonSet buttons = {});
  void EndScreen();
  void DrawFrameHighlights();
  void DrawHighlightBorder(SpriteClass& sprite);
  void DrawTitle();
  void UpdateHover(SpriteClass& sprite, int x, int y);
  // The shown ones of a game's sprites, as its choices for the pointer's
  // highlight.
  static std::vector<SpriteClass*> ShownSprites(std::vector<SpriteClass>& sprites);
  // Tests the highlights of the choices again where the pointer last was,
  // for a round whose choices moved while the pointer stood still.
  void RefreshHover();
  // The first of the choices (as ChoiceSprites hands them out) under the
  // point, or none.
  SpriteClass* ChoiceUnder(int x, int y);
  // Whether the choice under the point is a right one, as is_right tells;
  // the game then answers it. A wrong choice is reported here; no choice
  // there is neither.
  bool PickedRight(int x, int y, const std::function<bool(const SpriteClass&)>& is_right);

  // Loads an item's picture from the data folder into the sprite. A picture
  // that cannot be read is named in a message, and the game goes on without it.
  bool LoadItemPicture(SpriteClass& sprite, PictureFolder folder, const std::string& image);
  // The message that names a picture the game could not read.
  void ShowMissingPicture(const std::string& image);
  // The row the next item takes. The cursor moves on to the row after it,
  // from the last row back to the first, keeping the list's order: a game in
  // random order had its list shuffled once, at set-up. A cursor left outside
  // the list starts again at the first row; an empty list gives an empty row.
  WordRecord TakeWord();
  // Takes the next row for a picture of a set: the sprite shows the word's
  // picture of the data folder's images, Text = the word, Label = the name of
  // its recording, not yet answered. A picture that cannot be read is named in
  // a message, and the sprite keeps the size of a word picture, so that its
  // item keeps its place and can still be chosen.
  WordRecord DealPicture(SpriteClass& picture);
  // A game column of a row: its text or number in the slot, "" or 0 where
  // the row has none.
  static std::string TextOf(const WordRecord& row, std::size_t slot);
  static std::int32_t NumberOf(const WordRecord& row, std::size_t slot);
  // A press on one of the pictures plays its recording (Label), named below
  // the folder of the language's speech, without waiting for its end. False
  // when no picture is under the point.
  bool SayPictureUnder(std::span<const SpriteClass> pictures, int x, int y,
                       const std::string& folder = "");
  // Moves a set on past its current item. While items remain the screen shows
  // the step at once and the result is true; after the last one the set is
  // completed with its reward and the next set is dealt.
  bool NextOfSet(int& current, int count, ItemReward reward = ItemReward::SoundAndShow);
  // Deals the scene at the list's cursor: its picture (from the backgrounds)
  // into the sprite, in place of the one before, and its rows: every row with
  // that picture, found from the cursor to the end of the list and on from its
  // start, at most `most` of them, the row at the cursor first. The cursor
  // moves on by one row only, so the next scene starts at the next row, which
  // may belong to the same scene. An empty list gives no rows.
  std::vector<WordRecord> DealScene(SpriteClass& scene, std::size_t most);
  // One button for each line of the game's data file, labelled with it. The
  // buttons are made anew (and the scanning list emptied, since it points at
  // them) only when the file has another number of lines.
  void LabelButtonsWithGameData(std::vector<SpriteClass>& buttons);
  // Plays a recording of the data folder's speech for the current language,
  // named relative to it ("game02/The cat sat.wav"), as a sound effect.
  void PlaySpeech(std::string_view relative_file, PlayMode mode = PlayMode::Synchronous);

  // A right answer is counted, then its sound plays; a wrong answer's sound
  // plays, then it is counted. The counts reach the profile's statistics.
  void ReportCorrect(AnswerSound sound = AnswerSound::Play);
  void ReportWrong();
  // A finished item: the screen shows it done, a reward sound plays, and
  // (with rewards on, every few items) the reward show runs. The caller then
  // starts its next round.
  void CompleteItem(ItemReward reward = ItemReward::SoundAndShow);

  bool InputLocked() const;
  void LockInput();

  // One tick of the scanning timer: a scanning step. A game that does not
  // scan gives the tick a meaning of its own.
  virtual void OneKeyTimer_Timer();
  ScanTimer& OneKeyTimer() { return one_key_timer_; }

  ProgramState& state_;
  MediaControl& media_;
  RewardShow Rewards;
  bool RewardOn = false;
  std::int16_t RewardFrequency = 0;

 private:
  void LoadFrameButtons();
  void FreeFrameButtons();
  // Makes the frame buttons the scanning list's closing items, or none, as
  // the profile's access settings say.
  void ScanFrameButtons();
  // Shows a dialog, then sets the game up again as the dialog asks.
  void AfterOptionsDialog();

  Form& main_menu_;
  int game_number_;
  std::string game_id_;

  KeySwitchClass switches_;
  ScanTimer one_key_timer_;
  // Where the pointer was last seen over the window; off the window until then.
  int pointer_x_ = -1;
  int pointer_y_ = -1;
};

}  // namespace tavlo
