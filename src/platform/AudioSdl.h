#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/Audio.h"
#include "platform/IdleDeviceRule.h"
#include "platform/SpeechSynthesizer.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tavlo {

// Sound through SDL2_mixer. The device is opened by the first sound and
// closed again after a few seconds of silence (see IdleDeviceRule), so a
// program that plays nothing holds no sound card and runs no mixing thread.
// A stream's file is read when it first plays or is measured, not when it is
// opened, so opening the menu's music costs the first frame nothing. Where no
// device can be opened every sound is silence that lasts as long as the sound.
class AudioSdl : public AudioOutput {
 public:
  AudioSdl() = default;
  ~AudioSdl() override;
  AudioSdl(const AudioSdl&) = delete;
  AudioSdl& operator=(const AudioSdl&) = delete;

  int PlayWave(const std::filesystem::path& file) override;
  void StopWave() override;
  bool WavePlaying() override;
  int SayText(const std::string& text, const std::string& voice) override;

  int OpenStream(const std::filesystem::path& file, StreamKind kind) override;
  void CloseStream(int stream) override;
  bool PlayStream(int stream, int from_milliseconds) override;
  void PauseStream(int stream) override;
  void ResumeStream(int stream) override;
  void StopStream(int stream) override;
  bool StreamPlaying(int stream) override;
  int StreamLength(int stream) override;

  // Closes the device once it has been silent long enough; the owner calls
  // this whenever it is about to wait. Returns the milliseconds after which it
  // wants to be called again, -1 when the device is closed.
  int CloseWhenIdle(std::int64_t now_milliseconds);

  // Closes the device and frees every sound; the next sound opens it again.
  // The owner calls this before it shuts SDL down.
  void Shutdown();

 private:
  struct Stream {
    StreamKind Kind = StreamKind::Wave;
    std::filesystem::path File;
    bool Loaded = false;
    // A wave stream: the whole sound, the part of it now playing (a view into
    // the whole that starts at the sought position) and its own channel.
    Mix_Chunk* Whole = nullptr;
    Mix_Chunk* Playing = nullptr;
    int Channel = -1;
    // A MIDI stream.
    Mix_Music* Music = nullptr;
  };

  bool EnsureOpen();
  // Lets go of the device but keeps every loaded sound for the next opening.
  void CloseDevice();
  // Reads the stream's file; false when it cannot be played.
  bool Load(Stream& stream);
  int LengthOf(const Mix_Chunk* chunk) const;
  // Plays the chunk on the wave voice, which owns it from now on.
  int PlayOnWaveVoice(Mix_Chunk* chunk);
  int FreeChannel() const;
  void HaltStream(Stream& stream);

  bool tried_ = false;
  bool open_ = false;
  bool subsystem_ = false;
  int frequency_ = 0;
  std::uint16_t format_ = 0;
  int channels_ = 0;
  int bytes_per_frame_ = 0;
  Mix_Chunk* wave_ = nullptr;
  std::map<int, Stream> streams_;
  int next_stream_ = 1;
  // The MIDI stream that has the mixer's one music slot.
  Mix_Music* music_in_slot_ = nullptr;
  bool midi_ready_ = false;
  IdleDeviceRule idle_;
  // Made by the first text said; most runs say none.
  std::unique_ptr<SpeechSynthesizer> synthesizer_;
};

}  // namespace tavlo
