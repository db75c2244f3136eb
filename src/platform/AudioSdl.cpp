#include "platform/AudioSdl.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>

#include "platform/RegularFile.h"
#include "platform/SdlMixerLibrary.h"

namespace tavlo {
namespace {

// Channel 0 is the wave voice; media streams take the channels after it.
constexpr int kWaveChannel = 0;
constexpr int kFirstStreamChannel = 1;
constexpr int kInitialChannels = 8;

// SDL2_mixer plays MIDI through FluidSynth, which needs a General MIDI sound
// font. Debian's sound font packages register theirs under this name.
constexpr const char* kDebianSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

bool OpenMixer() {
  constexpr int kChannels = 2;
  constexpr int kBufferFrames = 1024;
  // No changes allowed: SDL converts to whatever the device wants, and the
  // mixer's own format stays the same at every opening, so the sounds loaded
  // before a closing still play after the next opening.
  return SdlMixer().OpenAudioDevice(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, kChannels,
                                    kBufferFrames, nullptr, 0) == 0;
}

// SDL_mixer keeps the whole buffer it converted the file in, several times
// the converted sound (the 40-second menu music held 32 MB); only the sound
// itself is kept. The buffer is SDL's, so SDL's realloc shrinks it, and the
// mixer frees it as before.
Mix_Chunk* LoadWave(const std::filesystem::path& file) {
  if (!IsRegularFile(file)) return nullptr;
  Mix_Chunk* chunk = SdlMixer().LoadWAV(file.string().c_str());
  if (chunk && chunk->allocated && chunk->alen > 0) {
    if (void* tight = SDL_realloc(chunk->abuf, chunk->alen)) {
      chunk->abuf = static_cast<Uint8*>(tight);
    }
  }
  return chunk;
}

// The synthesizer's samples in the mixer's format, as a chunk that owns its
// buffer; none when SDL cannot convert them.
Mix_Chunk* ConvertedChunk(const SynthesizedSpeech& speech, int frequency, Uint16 format,
                          int channels) {
  SDL_AudioCVT convert;
  if (SDL_BuildAudioCVT(&convert, AUDIO_S16SYS, 1, speech.SampleRate, format,
                        static_cast<Uint8>(channels), frequency) < 0) {
    return nullptr;
  }
  const int length = static_cast<int>(speech.Samples.size() * sizeof(std::int16_t));
  convert.len = length;
  auto* buffer = static_cast<Uint8*>(
      SDL_malloc(static_cast<std::size_t>(length) * static_cast<std::size_t>(convert.len_mult)));
  if (!buffer) return nullptr;
  SDL_memcpy(buffer, speech.Samples.data(), static_cast<std::size_t>(length));
  convert.buf = buffer;
  if (SDL_ConvertAudio(&convert) < 0) {
    SDL_free(buffer);
    return nullptr;
  }
  if (void* tight = SDL_realloc(buffer, static_cast<std::size_t>(convert.len_cvt))) {
    buffer = static_cast<Uint8*>(tight);
  }
  Mix_Chunk* chunk = SdlMixer().QuickLoad_RAW(buffer, static_cast<Uint32>(convert.len_cvt));
  if (!chunk) {
    SDL_free(buffer);
    return nullptr;
  }
  // The chunk frees the buffer with SDL's allocator, as it frees a loaded file's.
  chunk->allocated = 1;
  return chunk;
}

}  // namespace

AudioSdl::~AudioSdl() { Shutdown(); }

bool AudioSdl::EnsureOpen() {
  if (tried_) return open_;
  tried_ = true;
  if (!SdlMixer().Loaded) return false;
  subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  bool opened = subsystem_ && OpenMixer();
  if (!opened) {
    // Without a sound card the program still runs at its own pace: SDL's
    // silent driver plays every sound for its full length, so a game waits
    // for its speech as it would with sound.
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    // Only this opening is silent; a later one tries the real device again.
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    opened = subsystem_ && OpenMixer();
    if (!opened) return false;
  }
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  SdlMixer().QuerySpec(&frequency, &format, &channels);
  frequency_ = frequency;
  format_ = format;
  channels_ = channels;
  bytes_per_frame_ = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
  int needed = kInitialChannels;
  for (const auto& [number, stream] : streams_) needed = std::max(needed, stream.Channel + 1);
  SdlMixer().AllocateChannels(needed);
  open_ = true;
  idle_.Reset();
  return true;
}

void AudioSdl::CloseDevice() {
  for (auto& [number, stream] : streams_) HaltStream(stream);
  music_in_slot_ = nullptr;
  if (open_) {
    SdlMixer().HaltChannel(-1);
    SdlMixer().CloseAudio();
  }
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
  subsystem_ = false;
  tried_ = false;
}

int AudioSdl::CloseWhenIdle(std::int64_t now_milliseconds) {
  if (!open_) return -1;
  const bool sounding = SdlMixer().Playing(-1) > 0 || SdlMixer().PlayingMusic() != 0;
  const IdleDeviceRule::Advice advice = idle_.Look(sounding, now_milliseconds);
  if (!advice.Close) return advice.LookAgainAfter;
  CloseDevice();
  return -1;
}

void AudioSdl::Shutdown() {
  CloseDevice();
  for (auto& [number, stream] : streams_) {
    if (stream.Whole) SdlMixer().FreeChunk(stream.Whole);
    if (stream.Music) SdlMixer().FreeMusic(stream.Music);
  }
  streams_.clear();
  if (wave_) SdlMixer().FreeChunk(wave_);
  wave_ = nullptr;
  if (midi_ready_) SdlMixer().Quit();
  midi_ready_ = false;
}

int AudioSdl::LengthOf(const Mix_Chunk* chunk) const {
  if (!chunk || frequency_ <= 0 || bytes_per_frame_ <= 0) return -1;
  const long long frames = chunk->alen / static_cast<Uint32>(bytes_per_frame_);
  return static_cast<int>(frames * 1000 / frequency_);
}

int AudioSdl::PlayOnWaveVoice(Mix_Chunk* chunk) {
  // The voice is cut off first, so that a sound that cannot be played still
  // ends the sound before it, as a new sound does.
  SdlMixer().HaltChannel(kWaveChannel);
  if (wave_) SdlMixer().FreeChunk(wave_);
  wave_ = chunk;
  if (!wave_) return -1;
  if (SdlMixer().PlayChannel(kWaveChannel, wave_, 0) < 0) return -1;
  return LengthOf(wave_);
}

int AudioSdl::PlayWave(const std::filesystem::path& file) {
  if (!EnsureOpen()) return -1;
  return PlayOnWaveVoice(LoadWave(file));
}

int AudioSdl::SayText(const std::string& text, const std::string& voice) {
  if (!EnsureOpen()) return -1;
  if (!synthesizer_) synthesizer_ = std::make_unique<SpeechSynthesizer>();
  const auto speech = synthesizer_->Synthesize(text, voice);
  if (!speech) return PlayOnWaveVoice(nullptr);
  return PlayOnWaveVoice(ConvertedChunk(*speech, frequency_, format_, channels_));
}

void AudioSdl::StopWave() {
  if (open_) SdlMixer().HaltChannel(kWaveChannel);
}

bool AudioSdl::WavePlaying() { return open_ && SdlMixer().Playing(kWaveChannel) != 0; }

int AudioSdl::FreeChannel() const {
  int channel = kFirstStreamChannel;
  bool taken = true;
  while (taken) {
    taken = false;
    for (const auto& [number, stream] : streams_) {
      if (stream.Channel == channel) {
        taken = true;
        ++channel;
        break;
      }
    }
  }
  return channel;
}

int AudioSdl::OpenStream(const std::filesystem::path& file, StreamKind kind) {
  if (!IsRegularFile(file)) return 0;
  Stream stream;
  stream.Kind = kind;
  stream.File = file;
  if (kind == StreamKind::Wave) stream.Channel = FreeChannel();
  const int number = next_stream_++;
  streams_[number] = stream;
  return number;
}

bool AudioSdl::Load(Stream& stream) {
  // A loaded stream needs the device too: it may have closed since.
  if (!EnsureOpen()) return false;
  if (stream.Loaded) return stream.Whole || stream.Music;
  stream.Loaded = true;
  if (stream.Kind == StreamKind::Wave) {
    stream.Whole = LoadWave(stream.File);
    if (stream.Channel >= SdlMixer().AllocateChannels(-1)) {
      SdlMixer().AllocateChannels(stream.Channel + 1);
    }
    return stream.Whole != nullptr;
  }
  if (!midi_ready_) {
    // The synthesiser and its sound font are set up only for the first MIDI
    // file: the menu and most games never play one.
    if (!std::getenv("SDL_SOUNDFONTS")) {
      std::error_code error;
      if (std::filesystem::exists(kDebianSoundFont, error)) {
        SdlMixer().SetSoundFonts(kDebianSoundFont);
      }
    }
    SdlMixer().Init(MIX_INIT_MID);
    midi_ready_ = true;
  }
  stream.Music = SdlMixer().LoadMUS(stream.File.string().c_str());
  return stream.Music != nullptr;
}

void AudioSdl::HaltStream(Stream& stream) {
  // The mixer's channels exist only while the device is open.
  if (stream.Kind == StreamKind::Wave) {
    if (open_ && stream.Channel >= 0) SdlMixer().HaltChannel(stream.Channel);
    if (stream.Playing) SdlMixer().FreeChunk(stream.Playing);
    stream.Playing = nullptr;
  } else if (stream.Music && stream.Music == music_in_slot_) {
    if (open_) SdlMixer().HaltMusic();
    music_in_slot_ = nullptr;
  }
}

void AudioSdl::CloseStream(int number) {
  auto found = streams_.find(number);
  if (found == streams_.end()) return;
  HaltStream(found->second);
  if (found->second.Whole) SdlMixer().FreeChunk(found->second.Whole);
  if (found->second.Music) SdlMixer().FreeMusic(found->second.Music);
  streams_.erase(found);
}

bool AudioSdl::PlayStream(int number, int from_milliseconds) {
  auto found = streams_.find(number);
  if (found == streams_.end()) return false;
  Stream& stream = found->second;
  if (!Load(stream)) return false;
  HaltStream(stream);
  const long long from = from_milliseconds < 0 ? 0 : from_milliseconds;
  if (stream.Kind == StreamKind::Wave) {
    const Uint32 offset =
        static_cast<Uint32>(from * frequency_ / 1000) * static_cast<Uint32>(bytes_per_frame_);
    // A position at or past the end plays nothing: the stream has ended.
    if (offset >= stream.Whole->alen) return true;
    // A view into the whole sound from the sought position; it borrows the
    // samples, so freeing it leaves the whole sound alone.
    stream.Playing =
        SdlMixer().QuickLoad_RAW(stream.Whole->abuf + offset, stream.Whole->alen - offset);
    if (!stream.Playing) return false;
    return SdlMixer().PlayChannel(stream.Channel, stream.Playing, 0) >= 0;
  }
  if (SdlMixer().PlayMusic(stream.Music, 0) != 0) return false;
  music_in_slot_ = stream.Music;
  // Not every MIDI player can seek; it then plays from the start.
  if (from > 0) SdlMixer().SetMusicPosition(static_cast<double>(from) / 1000.0);
  return true;
}

void AudioSdl::PauseStream(int number) {
  auto found = streams_.find(number);
  if (!open_ || found == streams_.end()) return;
  const Stream& stream = found->second;
  if (stream.Kind == StreamKind::Wave) {
    SdlMixer().Pause(stream.Channel);
  } else if (stream.Music == music_in_slot_) {
    SdlMixer().PauseMusic();
  }
}

void AudioSdl::ResumeStream(int number) {
  auto found = streams_.find(number);
  if (!open_ || found == streams_.end()) return;
  const Stream& stream = found->second;
  if (stream.Kind == StreamKind::Wave) {
    SdlMixer().Resume(stream.Channel);
  } else if (stream.Music == music_in_slot_) {
    SdlMixer().ResumeMusic();
  }
}

void AudioSdl::StopStream(int number) {
  auto found = streams_.find(number);
  if (found != streams_.end()) HaltStream(found->second);
}

bool AudioSdl::StreamPlaying(int number) {
  auto found = streams_.find(number);
  if (!open_ || found == streams_.end()) return false;
  const Stream& stream = found->second;
  if (stream.Kind == StreamKind::Wave) {
    return stream.Playing && SdlMixer().Playing(stream.Channel) != 0;
  }
  return stream.Music == music_in_slot_ && SdlMixer().PlayingMusic() != 0;
}

int AudioSdl::StreamLength(int number) {
  auto found = streams_.find(number);
  if (found == streams_.end()) return -1;
  Stream& stream = found->second;
  if (!Load(stream)) return -1;
  if (stream.Kind == StreamKind::Wave) return LengthOf(stream.Whole);
  const double seconds = SdlMixer().MusicDuration(stream.Music);
  return seconds < 0 ? -1 : static_cast<int>(seconds * 1000.0 + 0.5);
}

}  // namespace tavlo
