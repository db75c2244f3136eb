#pragma once

#include <string>

namespace tavlo {

class AudioOutput;

// What names an item when scanning speaks: its recording, else its text in
// generated speech of the voice ("en-gb"). Either may be empty.
struct SpokenName {
  std::string Recording;
  std::string Text;
  std::string Voice;
};

// The voice of spoken scanning: the name of each item the highlight reaches,
// played on the one wave voice without waiting, so the scan keeps its pace. A
// new name cuts off the one before, but never a sound of the program's own (a
// game's speech, an answer's sound): while one of those plays, the highlight
// stays silent.
class HighlightSpeech {
 public:
  explicit HighlightSpeech(AudioOutput& audio) : audio_(audio) {}

  // Says the recording, or the text where there is no recording that can be
  // played. A name with neither only silences the name said before.
  void Say(const SpokenName& name);
  // Every other sound played on the wave voice is told here first.
  void OtherSoundStarted() { voice_is_ours_ = false; }

 private:
  AudioOutput& audio_;
  // The wave voice last played a name of this speech.
  bool voice_is_ours_ = false;
};

}  // namespace tavlo
