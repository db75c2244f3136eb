#pragma once

#include <string_view>

namespace tavlo {

class Application;
class MediaControl;

// The profile's two switches that answer and reward sounds obey.
struct SoundOptions {
  bool SoundEffects = true;
  bool RewardSounds = true;
};

// How a wave sound is played: the caller waits for its end, or goes on at once.
enum class PlayMode { Synchronous, Asynchronous };

// Plays a wave file of the program folder (or an absolute path, such as a
// speech file of the data folder) on the one wave voice, cutting off the sound
// before it. Synchronous play returns when the sound has ended; meanwhile the
// window stays alive and input is dropped. A file that cannot be played is
// silence and returns false at once.
bool PlaySound(Application& app, std::string_view file, PlayMode mode = PlayMode::Synchronous);

// An answer's sound effect: played only when the profile has sound effects on.
bool PlayEffectSound(Application& app, const SoundOptions& options, std::string_view file,
                     PlayMode mode = PlayMode::Synchronous);

// How long a reward sound takes, as far as the pace of a game goes: with
// reward sounds off, the game pauses this long instead.
inline constexpr int kRewardPauseMilliseconds = 2500;

// A reward sound. With reward sounds off the game pauses as long as a reward
// sound would take instead, so its pace stays the same.
bool PlayRewardSound(Application& app, const SoundOptions& options, std::string_view file,
                     PlayMode mode = PlayMode::Synchronous);

// Silences everything: cuts off the wave voice and closes every media device,
// the menu music included.
void StopAllSounds(Application& app, MediaControl& media);

}  // namespace tavlo
