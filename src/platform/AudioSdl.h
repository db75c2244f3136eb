#pragma once

#include <map>

#include "platform/Audio.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tavlo {

// Sound through SDL2_mixer. The device is opened on the first sound, so a
// program that never plays one never holds the sound card. Where no device
// can be opened every sound is silence that lasts as long as the sound.
class AudioSdl : public AudioOutput {
 public:
  AudioSdl() = default;
  ~AudioSdl() override;
  AudioSdl(const AudioSdl&) = delete;
  AudioSdl& operator=(const AudioSdl&) = delete;

  int PlayWave(const std::filesystem::path& file) override;
  void StopWave() override;
  bool WavePlaying() override;

  int OpenStream(const std::filesystem::path& file, StreamKind kind) override;
  void CloseStream(int stream) override;
  bool PlayStream(int stream, int from_milliseconds) override;
  void PauseStream(int stream) override;
  void ResumeStream(int stream) override;
  void StopStream(int stream) override;
  bool StreamPlaying(int stream) override;
  int StreamLength(int stream) override;

  // Closes the device; the next sound opens it again. The owner calls this
  // before it shuts SDL down.
  void Shutdown();

 private:
  struct Stream {
    StreamKind Kind = StreamKind::Wave;
    // A wave stream: the whole sound, the part of it now playing (a view into
    // the whole that starts at the sought position) and its own channel.
    Mix_Chunk* Whole = nullptr;
    Mix_Chunk* Playing = nullptr;
    int Channel = -1;
    // A MIDI stream.
    Mix_Music* Music = nullptr;
  };

  bool EnsureOpen();
  int LengthOf(const Mix_Chunk* chunk) const;
  int FreeChannel() const;
  void HaltStream(Stream& stream);

  bool tried_ = false;
  bool open_ = false;
  bool subsystem_ = false;
  int frequency_ = 0;
  int bytes_per_frame_ = 0;
  Mix_Chunk* wave_ = nullptr;
  std::map<int, Stream> streams_;
  int next_stream_ = 1;
  // The MIDI stream that has the mixer's one music slot.
  Mix_Music* music_in_slot_ = nullptr;
};

}  // namespace tavlo
