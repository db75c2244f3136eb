#pragma once

#include <SDL_mixer.h>

namespace tavlo {

// The functions of SDL2_mixer the program's sound uses. The library is opened
// when the first sound is played, not at every start: with what it pulls in
// (FluidSynth with GLib, JACK and libsndfile; ModPlug, which fills its tables
// as it loads) it cost each start about 5 ms and a few megabytes, also for a
// child who has the sound switched off.
struct SdlMixerLibrary {
  decltype(&Mix_OpenAudioDevice) OpenAudioDevice = nullptr;
  decltype(&Mix_CloseAudio) CloseAudio = nullptr;
  decltype(&Mix_QuerySpec) QuerySpec = nullptr;
  decltype(&Mix_AllocateChannels) AllocateChannels = nullptr;
  decltype(&Mix_Init) Init = nullptr;
  decltype(&Mix_Quit) Quit = nullptr;
  decltype(&Mix_SetSoundFonts) SetSoundFonts = nullptr;
  decltype(&Mix_LoadWAV) LoadWAV = nullptr;
  decltype(&Mix_QuickLoad_RAW) QuickLoad_RAW = nullptr;
  decltype(&Mix_FreeChunk) FreeChunk = nullptr;
  decltype(&Mix_PlayChannel) PlayChannel = nullptr;
  decltype(&Mix_HaltChannel) HaltChannel = nullptr;
  decltype(&Mix_Pause) Pause = nullptr;
  decltype(&Mix_Resume) Resume = nullptr;
  decltype(&Mix_Playing) Playing = nullptr;
  decltype(&Mix_LoadMUS) LoadMUS = nullptr;
  decltype(&Mix_FreeMusic) FreeMusic = nullptr;
  decltype(&Mix_PlayMusic) PlayMusic = nullptr;
  decltype(&Mix_HaltMusic) HaltMusic = nullptr;
  decltype(&Mix_PauseMusic) PauseMusic = nullptr;
  decltype(&Mix_ResumeMusic) ResumeMusic = nullptr;
  decltype(&Mix_PlayingMusic) PlayingMusic = nullptr;
  decltype(&Mix_SetMusicPosition) SetMusicPosition = nullptr;
  decltype(&Mix_MusicDuration) MusicDuration = nullptr;
  // False where the library or one of the functions above is missing: then
  // no sound device opens, and every sound is skipped.
  bool Loaded = false;
};

// Opened on the first call and kept for the process's life (the library runs
// threads of its own, so it is never unloaded).
const SdlMixerLibrary& SdlMixer();

}  // namespace tavlo
