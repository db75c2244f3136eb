#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/SpriteClass.h"
#include "games/AnswerFeedback.h"

namespace tavlo {

class Application;
class Form;
struct ProgramState;

// The lower corner of the screen an animal walks on in.
enum class RewardSide { Left = 0, Right = 1 };

// The reward show of the games: an animal shown frame by frame, one frame a
// second, in a lower corner of the screen, with a speech bubble whose praise
// is printed in it and spoken. It also keeps the state the games share about
// rewards: how many items were completed since the last show, and the list of
// reward sounds. One object lives as long as the game screens that use it.
class RewardShow {
 public:
  static constexpr int kStepMilliseconds = 1000;
  // How far below the bubble's top the middle of the praise is printed.
  static constexpr int kTextOffset = 32;

  explicit RewardShow(const ProgramState& state) : state_(state) {}

  // Loads a random animal of a random side of the game's reward pictures,
  // places it and its bubble, and picks the praise. False when that side holds
  // no animal: then there is nothing to show and the show is over at once.
  bool PrepareReward(Form& form, const std::string& game_id);
  // The same on a chosen side.
  bool PrepareReward(Form& form, const std::string& game_id, RewardSide side);
  // Shows the next frame over the game screen that update_screen draws, with
  // the bubble and its praise, starts the spoken praise with the first frame,
  // and waits a second. After the last frame it waits one more second and
  // returns false. Without a prepared show it returns false at once.
  bool RewardStep(Form& form, const std::function<void()>& update_screen);
  // Ends the show and lets go of its pictures.
  void FreeReward();

  SpriteClass gRewardAnimal;
  // Label = the praise, Value3 = its line number (-1 for none), Value4 = the
  // offset of the text inside the bubble.
  SpriteClass gRewardBubble;
  // True from a prepared show until FreeReward; the games leave their own
  // texts out of the screen meanwhile.
  bool gRewardShowing = false;
  // Items completed since the last show; each game sets it to 0 at set-up.
  std::int32_t gRewardCounter = 0;
  RewardSoundFiles gRewardSoundFiles;

 private:
  void StartSpeech(Application& app);
  void PrintPraise(Form& form);

  const ProgramState& state_;
};

// Whether a completed item may lead to the reward show or only to the sound.
enum class ItemReward { SoundOnly, SoundAndShow };

// What a game does when an item is completed: the screen is drawn with the
// item done, a random reward sound plays (or the pause that stands for it),
// and with rewards on, every reward_frequency-th item the reward show runs.
// The caller then starts its next round.
void CompleteItem(Application& app, const ProgramState& state, Form& form, RewardShow& show,
                  bool reward_on, int reward_frequency, const std::function<void()>& update_screen,
                  ItemReward reward = ItemReward::SoundAndShow);

}  // namespace tavlo
