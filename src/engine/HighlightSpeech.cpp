#include "engine/HighlightSpeech.h"

#include "platform/Audio.h"

namespace tavlo {

void HighlightSpeech::Say(const std::filesystem::path& recording) {
  if (!voice_is_ours_ && audio_.WavePlaying()) return;
  if (recording.empty()) {
    if (voice_is_ours_) audio_.StopWave();
    return;
  }
  // A recording that cannot be played leaves the voice silent, which is
  // right too: the name before belongs to another item.
  voice_is_ours_ = audio_.PlayWave(recording) >= 0;
}

}  // namespace tavlo
