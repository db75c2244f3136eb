#include "engine/HighlightSpeech.h"

#include "platform/Audio.h"

namespace tavlo {

void HighlightSpeech::Say(const SpokenName& name) {
  if (!voice_is_ours_ && audio_.WavePlaying()) return;
  const bool has_text = !name.Text.empty() && !name.Voice.empty();
  if (name.Recording.empty() && !has_text) {
    if (voice_is_ours_) audio_.StopWave();
    return;
  }
  // A name that cannot be said leaves the voice silent, which is right
  // too: the name before belongs to another item.
  voice_is_ours_ = !name.Recording.empty() && audio_.PlayWave(name.Recording) >= 0;
  if (!voice_is_ours_ && has_text) voice_is_ours_ = audio_.SayText(name.Text, name.Voice) >= 0;
}

}  // namespace tavlo
