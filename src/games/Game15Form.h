#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/SpriteClass.h"
#include "engine/Timer.h"
#include "games/GameForm.h"

namespace tavlo {

// Where the game stands; the loop steps the animal and the round by it.
enum class Game15State { Announce, Running, Pause, Wrong, Falling, Won, Reward };

// Where the animal heads, in the clockwise order a turn follows.
enum class Heading { Up = 0, Right = 1, Down = 2, Left = 3, Crashed = 4 };

// Game 15: an animal runs over the play field by itself and the child steers
// it (turns it, or speeds it up) into the labels of the four words pictured
// in the top bar, in the order of the pictures. A wrong label or the edge of
// the field makes it fall, and the round is lost; all four words win it.
// Unlike the other games it runs a loop of its own, one step and one redraw
// per display frame, and every input is a steering command: it has no
// scanning list.
class Game15Form : public GameForm {
 public:
  static constexpr int kGameNumber = 15;
  static constexpr int kItemCount = 4;
  // The speed a profile without a valid setting plays at, in pixels a second.
  static constexpr int kStandardSpeed = 75;

  explicit Game15Form(const GameContext& context);

  void Form_Load() override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseUp(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_KeyUp(int key_code, int shift) override;

  void UpdateScreen() override;
  // The labels: the places the animal is steered to.
  std::vector<SpriteClass*> ChoiceSprites() override;

  // The game's loop: one step and one redraw per display frame, input
  // handled between frames, until the game ends; then it leaves the game.
  // With a limit in milliseconds it hands control back when that much time
  // has passed, with the game still going (the tests play in slices so).
  static constexpr int kUntilTheGameEnds = -1;
  void RunGameLoop(int limit_milliseconds = kUntilTheGameEnds);
  // One pass of the loop: the game steps on by the time since the last pass,
  // then the screen is drawn.
  void LoopPass();

  Game15State GameState() const { return game_state_; }
  Heading Direction() const { return direction_; }
  int TargetIndex() const { return target_index_; }
  int Speed() const { return speed_; }
  bool Fast() const { return fast_; }
  bool Paused() const { return paused_; }
  bool StopHighlighted() const { return stop_highlighted_; }
  // The round's sprites as the screen shows them.
  SpriteClass& Animal() { return animal_; }
  const std::string& AnimalName() const { return animal_name_; }
  std::array<SpriteClass, kItemCount>& Labels() { return labels_; }
  const std::array<SpriteClass, kItemCount>& Pictures() const { return pictures_; }

 protected:
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;
  void OneKeyTimer_Timer() override;

 private:
  void GameTimer_Timer();
  // Ends the loop, which then leaves the game; outside the loop it leaves at once.
  void EndGame();
  enum class OptionsDialog { Game, Font };
  // Shows a dialog; after OK the game is set up again and a new round starts.
  void ShowOptionsDialog(OptionsDialog dialog);
  void NextRound();

  bool LoadRandomAnimal();
  void PlaceLabelsAgain();
  void SetDirection(Heading heading);
  void TurnClockwise();
  void SetFast(bool fast);

  void StepGame(int elapsed);
  void StepAnnounce();
  void StepRunning(int elapsed);
  void StepWrong();
  void StepFalling(int elapsed);
  void StepWon();
  // Moves the animal along its velocity for the given milliseconds.
  void MoveAnimal(int elapsed);
  // The state waits for the sound playing now to end, then the given time.
  void HoldAfterSound(int milliseconds);
  // The state waits for the given time.
  void HoldFor(int milliseconds);
  // True while a hold lasts.
  bool Holding();
  void Enter(Game15State state);

  void PlayItemSpeech(int item);
  void DrawLabels();
  void DrawArrow();

  Timer game_timer_;
  SpriteClass background_;
  std::array<SpriteClass, 4> arrows_;
  SpriteClass animal_;
  std::string animal_name_;
  // Text = the word, Label = its recording.
  std::array<SpriteClass, kItemCount> pictures_;
  std::array<SpriteClass, kItemCount> labels_;

  Game15State game_state_ = Game15State::Announce;
  // How far the state has come: its first step sets it off, a later step
  // finishes it once its hold is over.
  int phase_ = 0;
  Heading direction_ = Heading::Right;
  int target_index_ = 0;
  int speed_ = kStandardSpeed;
  bool fast_ = false;
  bool paused_ = false;
  bool running_ = false;
  bool in_loop_ = false;
  bool stop_highlighted_ = false;
  std::int32_t previous_ = 0;

  bool holding_ = false;
  bool hold_for_sound_ = false;
  int hold_milliseconds_ = 0;
  std::int32_t hold_until_ = 0;
};

}  // namespace tavlo
