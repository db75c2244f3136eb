#include "games/RewardShow.h"

#include <vector>

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "engine/Sound.h"
#include "state/ProgramState.h"

namespace tavlo {
namespace {

// Every animal has a first frame "<name>0.gif"; its name is what comes before.
constexpr std::string_view kFirstFrameEnding = "0.gif";

std::string SideFolder(RewardSide side) { return side == RewardSide::Right ? "right" : "left"; }

std::string BubbleFile(RewardSide side) {
  return side == RewardSide::Right ? "bubbleR.gif" : "bubbleL.gif";
}

// A sprite as it was made: CleanUp lets go of the images but keeps the sizes,
// and a bubble that fails to load must not keep the size of an earlier one.
void Release(SpriteClass& sprite) {
  sprite.CleanUp();
  sprite = SpriteClass();
}

}  // namespace

bool RewardShow::PrepareReward(Form& form, const std::string& game_id) {
  const auto side = RandomInt(0, 1) == 1 ? RewardSide::Right : RewardSide::Left;
  return PrepareReward(form, game_id, side);
}

bool RewardShow::PrepareReward(Form& form, const std::string& game_id, RewardSide side) {
  // A show that was never freed must not lend its frames to this one.
  FreeReward();
  Application& app = form.App();
  const std::string rewards = "gfx\\" + game_id + "\\rewards\\";
  const std::string folder = rewards + "animals\\" + SideFolder(side) + "\\";
  const auto folder_path = app.ResourcePath(folder);

  std::vector<std::string> animals;
  for (const std::string& name : ListFilesLike(folder_path, "", kFirstFrameEnding)) {
    // A file named only "0.gif" belongs to no animal.
    if (name.size() > kFirstFrameEnding.size()) {
      animals.push_back(name.substr(0, name.size() - kFirstFrameEnding.size()));
    }
  }
  // A side without animals has nothing to show: the show is over before it began.
  if (animals.empty()) return false;
  const std::string& animal =
      animals[static_cast<std::size_t>(RandomInt(0, static_cast<int>(animals.size()) - 1))];

  const auto frame_count = static_cast<int>(ListFilesLike(folder_path, animal, ".gif").size());
  for (int frame = 0; frame < frame_count; ++frame) {
    gRewardAnimal.LoadDCImage(form, folder + animal + std::to_string(frame) + ".gif");
  }
  if (gRewardAnimal.ImageCount == 0) {
    FreeReward();
    return false;
  }
  gRewardBubble.LoadDCImage(form, rewards + BubbleFile(side));

  const std::int32_t bubble_width = gRewardBubble.Width;
  const std::int32_t bubble_height = gRewardBubble.Height;
  gRewardAnimal.Y = Form::kHeight - gRewardAnimal.Height;
  if (side == RewardSide::Right) {
    gRewardAnimal.X = Form::kWidth - gRewardAnimal.Width;
    gRewardBubble.X = gRewardAnimal.Left() - bubble_width + bubble_width / 6;
  } else {
    gRewardAnimal.X = 0;
    gRewardBubble.X = gRewardAnimal.Right() - bubble_width / 6;
  }
  // The bubble overlaps the animal's head by a third of its height.
  gRewardBubble.Y = gRewardAnimal.Top() - bubble_height + bubble_height / 3;
  gRewardBubble.Value4 = kTextOffset;

  gRewardAnimal.Frame = 0;
  gRewardShowing = true;

  const std::vector<std::string>& texts = state_.Texts.RewardTexts();
  if (texts.empty()) {
    // Without praise texts the bubble stays empty and nothing is spoken.
    gRewardBubble.Label.clear();
    gRewardBubble.Value3 = -1;
  } else {
    const int t = RandomInt(0, static_cast<int>(texts.size()) - 1);
    gRewardBubble.Label = texts[static_cast<std::size_t>(t)];
    gRewardBubble.Value3 = t;
  }
  return true;
}

bool RewardShow::RewardStep(Form& form, const std::function<void()>& update_screen) {
  if (!gRewardShowing) return false;
  const std::int32_t f = gRewardAnimal.Frame;
  const std::int32_t n = gRewardAnimal.ImageCount;
  const bool shown = f < n;
  if (shown) {
    if (update_screen) update_screen();
    gRewardAnimal.DrawTransp(form);
    gRewardBubble.DrawTransp(form);
    if (f == 0) StartSpeech(form.App());
    PrintPraise(form);
    gRewardAnimal.Frame = f + 1;
    form.Refresh();
  }
  // The last frame stays on screen for its full second, too.
  form.App().Wait(kStepMilliseconds);
  return shown;
}

void RewardShow::FreeReward() {
  gRewardShowing = false;
  Release(gRewardAnimal);
  Release(gRewardBubble);
}

void RewardShow::StartSpeech(Application& app) {
  if (gRewardBubble.Value3 < 0) return;
  const std::string file =
      state_.SpeechFile("rewards/" + std::to_string(gRewardBubble.Value3) + ".wav");
  // The praise is spoken while the animal goes on moving.
  PlayEffectSound(app, state_.Profiles, file, PlayMode::Asynchronous);
}

void RewardShow::PrintPraise(Form& form) {
  const std::string& text = gRewardBubble.Label;
  if (text.empty()) return;
  // The text keeps the font and colour the game left on its form.
  Canvas& canvas = form.Graphics();
  const int width = canvas.TextWidth(text);
  const int height = canvas.TextHeight(text);
  canvas.CurrentX = gRewardBubble.MiddleX() - width / 2.0;
  canvas.CurrentY = gRewardBubble.Top() + gRewardBubble.Value4 - HalfOf(height);
  canvas.Print(text);
}

void CompleteItem(Application& app, const ProgramState& state, Form& form, RewardShow& show,
                  bool reward_on, int reward_frequency, const std::function<void()>& update_screen,
                  ItemReward reward) {
  // The completed item stays on screen while the reward sound plays.
  if (update_screen) update_screen();
  PlayRewardSound(app, state.Profiles,
                  "sfx\\rewards\\" + RandomRewardSound(app, show.gRewardSoundFiles));
  if (reward == ItemReward::SoundOnly) return;

  show.gRewardCounter += 1;
  if (reward_on && show.gRewardCounter >= reward_frequency) {
    show.PrepareReward(form, state.gGameId);
    while (show.RewardStep(form, update_screen)) {
    }
    show.FreeReward();
    show.gRewardCounter = 0;
  }
}

}  // namespace tavlo
