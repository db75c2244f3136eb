#include "engine/Sound.h"

#include "engine/Application.h"
#include "engine/MediaControl.h"

namespace tavlo {
namespace {

// The mixer may still be emptying its last buffer when the clock says the
// sound is over; a synchronous play waits for that too, but never for long.
constexpr int kSettleStepMilliseconds = 10;
constexpr int kSettleLimitMilliseconds = 250;

}  // namespace

bool PlaySound(Application& app, std::string_view file, PlayMode mode) {
  AudioOutput& audio = app.Host().Audio();
  const int length = audio.PlayWave(app.ResourcePath(file));
  if (length < 0) return false;
  if (mode == PlayMode::Synchronous) {
    app.Wait(length);
    for (int settled = 0; settled < kSettleLimitMilliseconds && audio.WavePlaying();
         settled += kSettleStepMilliseconds) {
      app.Wait(kSettleStepMilliseconds);
    }
  }
  return true;
}

bool PlayEffectSound(Application& app, const SoundOptions& options, std::string_view file,
                     PlayMode mode) {
  if (!options.SoundEffects) return false;
  return PlaySound(app, file, mode);
}

bool PlayRewardSound(Application& app, const SoundOptions& options, std::string_view file,
                     PlayMode mode) {
  if (!options.RewardSounds) {
    app.Wait(kRewardPauseMilliseconds);
    return false;
  }
  return PlaySound(app, file, mode);
}

void StopAllSounds(Application& app, MediaControl& media) {
  PlaySound(app, "sfx\\silence.wav", PlayMode::Asynchronous);
  // Without a silence file the voice must still fall silent.
  app.Host().Audio().StopWave();
  media.SendString("close all");
}

}  // namespace tavlo
