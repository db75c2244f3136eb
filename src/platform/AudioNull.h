#pragma once

#include "platform/Audio.h"

namespace tavlo {

// Sound output where there is none: every sound is silence of unknown length,
// so that nothing waits for it.
class NullAudio : public AudioOutput {
 public:
  int PlayWave(const std::filesystem::path&) override { return -1; }
  void StopWave() override {}
  bool WavePlaying() override { return false; }
  int SayText(const std::string&, const std::string&) override { return -1; }

  int OpenStream(const std::filesystem::path&, StreamKind) override { return 0; }
  void CloseStream(int) override {}
  bool PlayStream(int, int) override { return false; }
  void PauseStream(int) override {}
  void ResumeStream(int) override {}
  void StopStream(int) override {}
  bool StreamPlaying(int) override { return false; }
  int StreamLength(int) override { return -1; }
};

}  // namespace tavlo
